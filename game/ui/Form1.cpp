// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"

#include "Artwork.h"
#include "Clock.h"
#include "ContextIDs.h"
#include "Controls.h"
#include "FontFit.h"
#include "Form2.h"
#include "Form3.h"
#include "GameMessages.h"
#include "GameSetFile.h"
#include "HighScores.h"
#include "ProgramFolder.h"
#include "Scoring.h"
#include "Zoom.h"
#include "frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <utility>

namespace {

// The window's text: plain, from the top left, wrapped at word gaps.
void setWrappedText(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
}

// The play buttons: in the board's font, and off until a game starts.
void setPlayButton(QPushButton* button, const QFont& font) {
    button->setFont(font);
    button->setEnabled(false);
}

} // namespace

// While the wheel turns the play handlers wait and the window shows the hourglass. Whichever
// way the spin ends (a result, a close, the window gone) both are put back, once.
class Form1::SpinScope {
public:
    explicit SpinScope(Form1* form) : form_(form) { form->setCursor(Qt::WaitCursor); }
    ~SpinScope() { endCursor(); }
    SpinScope(const SpinScope&) = delete;
    SpinScope& operator=(const SpinScope&) = delete;

    void wheelTurning(bool turning) {
        if (form_)
            form_->spinning_ = turning;
    }
    bool windowGone() const { return form_.isNull(); }
    // The hourglass stays up to the result's message; the wheel stops before it.
    void endCursor() {
        wheelTurning(false);
        if (form_)
            form_->unsetCursor();
        form_ = nullptr;
    }

private:
    QPointer<Form1> form_;
};

Form1::Form1(const GameServices& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(Artwork::windowIcon());
    setFont(FontFit::timesNewRoman(WindowPoints));
    // Read before the View menu is built, which shows them.
    preferences_ = services_.preferences->load();
    buildControls();
    buildMenu();
    buildKeys();
    retranslate();
    // The client area is fixed in size; the border can still be dragged, and the controls
    // stay where they are. A remembered zoom the screen cannot hold gives way to one it can.
    showZoom(Zoom::largestFitting([this](int step) { return fitsScreen(step); }, preferences_.zoom));
    ContextIDs::setHelpContextId(this, 10);
    Form_Load();
}

void Form1::buildControls() {
    const QRect rect; // each control's place comes from layOut
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const QFont large = FontFit::timesNewRoman(BoardPoints);

    lblPuzzle = place(Controls::label<BoardLabel>(client, "lblPuzzle", rect), {120, 360, 4335, 1695});
    setWrappedText(lblPuzzle);
    lblPuzzle->setFont(large);
    lblClue = place(Controls::label(client, "lblClue", rect), {120, 2400, 4335, 495});
    setWrappedText(lblClue);
    lblClue->setFont(FontFit::timesNewRoman(CluePoints));
    Line2 = place(Controls::line(client, "Line2", QFrame::HLine, rect), {0, 3240, 4800, 15});

    const int lampLefts[Wheel::LampCount] = {480, 1215, 1950, 2685, 3420};
    for (int i = 0; i < Wheel::LampCount; ++i) {
        auto* lamp = new QFrame(client);
        lamp->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        lamp->setFrameShape(QFrame::Panel);
        lamp->setFrameShadow(QFrame::Sunken);
        lamp->setLineWidth(1);
        lamp->setAutoFillBackground(true);
        place(lamp, {static_cast<double>(lampLefts[i]), 3480, 735, 495});
        Picture[static_cast<std::size_t>(i)] = lamp;
    }
    showLamps(shownRing_); // at rest

    picArrow = new QLabel(client);
    picArrow->setObjectName(QStringLiteral("picArrow"));
    place(picArrow, {2047, 4080, 540, 540});
    picArrow->setAlignment(Qt::AlignCenter);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(150);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    cmdSolve =
        place(Controls::button(client, "cmdSolve", QString(), rect), {480, 4800, 1470, 495}, BoardPoints);
    cmdSpin =
        place(Controls::button(client, "cmdSpin", QString(), rect), {2685, 4800, 1470, 495}, BoardPoints);
    setPlayButton(cmdSolve, large);
    setPlayButton(cmdSpin, large);

    Line1 = place(Controls::line(client, "Line1", QFrame::VLine, rect), {4800, 0, 15, 8000});

    // Four columns of letters; Y and Z share the last row's two middle columns.
    const int columnLefts[4] = {5280, 5760, 6240, 6720};
    for (int i = 0; i < 26; ++i) {
        const int left = i < 24 ? columnLefts[i % 4] : columnLefts[i - 23];
        const int top = 120 + 480 * (i < 24 ? i / 4 : 6);
        auto* button = new QPushButton(QStringLiteral("Command2"), client);
        button->setObjectName(QStringLiteral("cmdAlpha%1").arg(i));
        place(button, {static_cast<double>(left), static_cast<double>(top), 500, 500}, BoardPoints);
        setPlayButton(button, large);
        connect(button, &QPushButton::clicked, this, unlessSpinning([this, i] { cmdAlpha_Click(i); }));
        cmdAlpha[static_cast<std::size_t>(i)] = button;
    }

    lblDescript = place(Controls::label(client, "lblDescript", rect), {5040, 3960, 2175, 1095});
    setWrappedText(lblDescript);
}

// Every text the window shows or a screen reader says, in the language spoken: set once the
// controls are built, and again whenever the language changes.
void Form1::retranslate() {
    setWindowTitle(shownGame_ > 0 ? GameMessages::caption(shownGame_, state_.PuzzleCount)
                                  : GameMessages::caption());
    //: The clue line before any game set is loaded
    showClue(clue_ ? GameMessages::clueLine(*clue_) : tr("Clue:"));
    lblClue->setAccessibleDescription(tr("The clue to the hidden puzzle"));
    Line2->setAccessibleName(tr("Divider under the clue"));
    for (int i = 0; i < Wheel::LampCount; ++i)
        Picture[static_cast<std::size_t>(i)]->setAccessibleDescription(
            i == Wheel::MiddleLamp ? tr("The wheel's middle lamp: its colour decides the spin")
                                   : tr("A lamp of the wheel"));
    showLamps(shownRing_);
    picArrow->setAccessibleName(
        tr("Arrow pointing at lamp %1 of %2").arg(Wheel::MiddleLamp + 1).arg(Wheel::LampCount));
    picArrow->setAccessibleDescription(tr("Blinks when the wheel has stopped"));
    //: The button that asks for the whole answer
    cmdSolve->setText(tr("Solve", "button"));
    //: The button that turns the wheel
    cmdSpin->setText(tr("Spin", "button"));
    actSolve->setText(cmdSolve->text());
    actSpin->setText(cmdSpin->text());
    cmdSolve->setAccessibleDescription(tr("Type the whole answer (Enter)"));
    cmdSpin->setAccessibleDescription(tr("Spin the wheel for a letter's value (Space)"));
    Line1->setAccessibleName(tr("Divider between the wheel and the letters"));
    for (int i = 0; i < 26; ++i)
        cmdAlpha[static_cast<std::size_t>(i)]->setAccessibleDescription(
            tr("Guess the letter %1 (or type it)").arg(QChar(u'A' + i)));
    lblDescript->setAccessibleDescription(tr("Status: the last spin or guess, the score and the spins"));
    if (statusWords_)
        lblDescript->setText(statusWords_());
    outcome_ = namedOutcome_; // the name says the same news again
    nameStatus();
    lblPuzzle->setAccessibleName(GameMessages::spokenBoard(lblPuzzle->text()));
    lblPuzzle->setAccessibleDescription(
        tr("The hidden puzzle: each hidden letter is read as blank, and gap marks a space between words"));

    CommonDialog1.title = tr("Open a KAZ Set to Play");
    //: The file dialog's name for game set files
    CommonDialog1.filter = tr("KAZ Game Set") + QStringLiteral(" (*.kazset)|*.kazset");

    mnuFile->setTitle(tr("&File"));
    mnuGame->setText(tr("&New Game"));
    mnuLoad->setText(tr("&Load A Game Set"));
    mnuSetInfo->setText(tr("&Game Set Information"));
    mnuHigh->setText(tr("High &Scores"));
    mnuExit->setText(tr("E&xit"));
    mnuView->setTitle(tr("&View"));
    mnuZoomIn->setText(tr("Zoom &In"));
    mnuZoomOut->setText(tr("Zoom &Out"));
    mnuActualSize->setText(tr("&Actual Size"));
    mnuFullScreen->setText(tr("&Full Screen"));
    //: View menu: the game's sounds on or off
    mnuSound->setText(tr("&Sound"));
    // What a screen reader says besides the item's name.
    mnuZoomIn->setToolTip(tr("Make the game window larger"));
    mnuZoomOut->setToolTip(tr("Make the game window smaller"));
    mnuActualSize->setToolTip(tr("Show the game window at its designed size"));
    mnuFullScreen->setToolTip(tr("Fill the screen with the game (F11 or Esc to leave)"));
    mnuSound->setToolTip(tr("Play the game's sounds"));
    //: The menu that holds Help and About
    mnuA->setTitle(tr("&About"));
    mnuHelp->setText(tr("&Help"));
    mnuAbout->setText(tr("A&bout The Game"));
}

void Form1::buildMenu() {
    QMenuBar* bar = menuBar();
    // Menus keep the desktop's own font, not the window's.
    bar->setFont(QApplication::font(bar));

    // The items' texts come from retranslate.
    mnuFile = bar->addMenu(QString());
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuGame = mnuFile->addAction(QString(), this, unlessSpinning([this] { mnuGame_Click(); }));
    mnuLoad = mnuFile->addAction(QString(), this, unlessSpinning([this] { mnuLoad_Click(); }));
    mnuBar02 = mnuFile->addSeparator();
    mnuSetInfo = mnuFile->addAction(QString(), this, &Form1::mnuSetInfo_Click);
    mnuSetInfo->setEnabled(false);
    mnuHigh = mnuFile->addAction(QString(), this, &Form1::mnuHigh_Click);
    mnuBar01 = mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QString(), this, &Form1::mnuExit_Click);
    mnuGame->setShortcut(QKeySequence::New);
    mnuLoad->setShortcut(QKeySequence::Open);
    mnuHigh->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H)); // no standard key for it
    // The desktop's own Quit key; where the platform names none, Ctrl+Q.
    const QKeySequence quit(QKeySequence::Quit);
    mnuExit->setShortcut(quit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : quit);

    buildViewMenu();

    mnuA = bar->addMenu(QString());
    mnuA->setObjectName(QStringLiteral("mnuA"));
    mnuHelp = mnuA->addAction(QString(), this, &Form1::mnuHelp_Click);
    mnuAbout = mnuA->addAction(QString(), this, &Form1::mnuAbout_Click);
    // F1 itself opens the topic of the open menu or the focused window (ContextIDs); the item
    // shows the key all the same.
    mnuHelp->setShortcut(QKeySequence::HelpContents);

    const std::pair<QAction*, const char*> names[] = {
        {mnuGame, "mnuGame"},       {mnuLoad, "mnuLoad"}, {mnuBar02, "mnuBar02"},
        {mnuSetInfo, "mnuSetInfo"}, {mnuHigh, "mnuHigh"}, {mnuBar01, "mnuBar01"},
        {mnuExit, "mnuExit"},       {mnuHelp, "mnuHelp"}, {mnuAbout, "mnuAbout"}};
    for (const auto& [action, name] : names)
        action->setObjectName(QLatin1String(name));

    ContextIDs::setHelpContextId(mnuFile, 210);
    ContextIDs::setHelpContextId(mnuA, 220);
}

// Space spins and Enter solves wherever the focus is, a focused letter button included:
// window shortcuts come before the button's own Space. Each is one action, which its button
// triggers too; the button is on exactly when its action is.
void Form1::buildKeys() {
    auto command = [this](QPushButton* button, const char* name, const QList<QKeySequence>& keys,
                          void (Form1::*handler)()) {
        auto* action = new QAction(this); // named as its button, by retranslate
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setAutoRepeat(false); // a held key is one press
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, unlessSpinning([this, handler] { (this->*handler)(); }));
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
        addAction(action);
        return action;
    };
    actSpin = command(cmdSpin, "actSpin", {QKeySequence(Qt::Key_Space)}, &Form1::cmdSpin_Click);
    actSolve = command(cmdSolve, "actSolve", {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                       &Form1::cmdSolve_Click);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && key >= Qt::Key_A && key <= Qt::Key_Z) {
        // The same checks as a click; a letter already guessed is disabled and does nothing.
        cmdAlpha[static_cast<std::size_t>(key - Qt::Key_A)]->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- Window load and close ----

void Form1::Form_Load() {
    ContextIDs::StartHelp(this, ProgramTitle, services_.folder);
    CommonDialog1.initialFolder =
        ProgramFolder::withSeparator(services_.setsFolder.isEmpty() ? services_.folder : services_.setsFolder);
    QWidget* previous = cmdSpin;
    setTabOrder(cmdSolve, cmdSpin);
    for (int i = 0; i < 26; ++i) {
        QPushButton* button = cmdAlpha[static_cast<std::size_t>(i)];
        button->setText(QString(QChar(u'A' + i)));
        setTabOrder(previous, button);
        previous = button;
    }
    // GameState starts with no set loaded and no game in progress.
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    closing_ = true; // a wheel still turning underneath stops at its next step
    Timer1->stop();
    event->accept();
}

bool Form1::Form_Unload() {
    ContextIDs::QuitHelp();
    return mayAbandonGame();
}

bool Form1::mayAbandonGame() {
    const GameMessage question = KazMod::abandonQuestion(state_);
    return question == GameMessage::None || GameMessages::show(ui(), this, question) == MsgResult::Yes;
}

void Form1::UpdateStatus() {
    // What the panel shows is kept, so that it can be worded again in another language.
    GameState shown;
    shown.Score = state_.Score;
    shown.SpinCount = state_.SpinCount;
    shown.SpinValue = state_.SpinValue;
    statusWords_ = [shown] { return KazMod::statusText(shown); };
    lblDescript->setText(statusWords_());
    nameStatus();
}

void Form1::nameStatus() {
    QStringList parts;
    if (const QString news = GameMessages::spoken(outcome_.id, outcome_.args); !news.isEmpty())
        parts << news;
    for (const QString& line : lblDescript->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        parts << line.trimmed();
    lblDescript->setAccessibleName(parts.isEmpty() ? tr("Status: no game set loaded")
                                                   : parts.join(QStringLiteral(". ")));
    namedOutcome_ = std::exchange(outcome_, {});
}

// The status panel after a step: its lines written again, or only its name with the news.
void Form1::showStatus(const PlayOutcome& step) {
    outcome_ = {step.spoken, step.spokenArgs};
    if (step.statusChanged)
        UpdateStatus();
    else
        nameStatus();
}

// ---- The menus ----

void Form1::mnuExit_Click() {
    close();
}

void Form1::mnuSetInfo_Click() {
    Form2 window(state_, this);
    ui().showModal(window);
}

void Form1::mnuHigh_Click() {
    Form3 window(services_, this);
    ui().showModal(window);
}

void Form1::mnuAbout_Click() {
    frmAbout window(services_, this);
    ui().showModal(window);
}

void Form1::mnuHelp_Click() {
    ContextIDs::ShowHelpContents();
}

void Form1::mnuLoad_Click() {
    if (!mayAbandonGame())
        return;
    const QString path = ui().openFileDialog(this, CommonDialog1);
    if (path.isEmpty())
        return; // Cancel: a running game goes on, the loaded set stays
    loadGameSet(path);
}

bool Form1::loadGameSet(const QString& path) {
    CommonDialog1.initialFolder = ProgramFolder::withSeparator(QFileInfo(path).absolutePath());

    // The whole file is read and checked before anything changes.
    const GameSetReadResult read = GameSetFile::readFile(path);
    if (!read.ok) {
        ui().messageBox(this, GameSetFile::notLoadedText(path, read.error), GameSetFile::notLoadedTitle(),
                        MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }

    const PlayOutcome loaded = KazMod::loadGameSet(state_, read.value);
    showBoardArea(loaded);
    mnuSetInfo->setEnabled(true);
    showStatus(loaded);
    return true;
}

// The board, the clue line, the caption and the play buttons as a step leaves them.
void Form1::showBoardArea(const PlayOutcome& step) {
    switch (step.board) {
    case BoardView::NoGame:
        showBoard(QString());
        clue_ = QString();
        showClue(GameMessages::clueLine(QString()));
        shownGame_ = 0;
        setWindowTitle(GameMessages::caption());
        break;
    case BoardView::NewPuzzle:
        shownGame_ = step.gameNumber;
        setWindowTitle(GameMessages::caption(step.gameNumber, state_.PuzzleCount));
        clue_ = state_.CurrentClue;
        showClue(GameMessages::clueLine(state_.CurrentClue));
        showBoard(state_.BoardText);
        break;
    case BoardView::Revealed:
        showBoard(state_.BoardText);
        break;
    case BoardView::Unchanged:
        break;
    }
    if (step.controls == PlayControls::AllOn || step.controls == PlayControls::AllOff) {
        const bool on = step.controls == PlayControls::AllOn;
        setLettersEnabled(on);
        actSolve->setEnabled(on);
        actSpin->setEnabled(on);
    }
}

// ---- A new game ----

void Form1::mnuGame_Click() {
    const GameMessage question = KazMod::newGameQuestion(state_);
    if (question == GameMessage::NoSetLoaded) {
        GameMessages::show(ui(), this, question);
        return;
    }
    if (!mayAbandonGame())
        return;
    const PlayOutcome started = KazMod::NewGame(state_, *services_.random, *services_.clock);
    showStatus(started);
    showBoardArea(started);
    cmdSpin->setFocus(Qt::OtherFocusReason); // Space spins, letters can be typed
}

// ---- The wheel ----

void Form1::cmdSpin_Click() {
    if (const GameMessage refusal = KazMod::spinRefusal(state_); refusal != GameMessage::None) {
        GameMessages::show(ui(), this, refusal);
        if (refusal == GameMessage::AllLettersShowing)
            cmdSolve_Click();
        return;
    }

    SpinScope spin(this);
    Timer1->stop();
    picArrow->setVisible(true);
    Wheel::Ring ring;
    if (!turnWheel(spin, ring))
        return; // the window is closing or gone: the spin has no result

    const Wheel::Result result = Wheel::resultFor(ring.middle());
    const PlayOutcome stopped = KazMod::wheelStopped(state_, result);
    play(stopped);
    const PlayOutcome taken = KazMod::takeSpinResult(state_, result);
    spin.endCursor();
    showStatus(taken);
    Timer1->start();
}

bool Form1::turnWheel(SpinScope& spin, Wheel::Ring& ring) {
    services_.random->reseed(services_.clock->secondsSinceMidnight());
    spin.wheelTurning(true);
    const int steps = Wheel::stepsToStop(*services_.random);
    // The steps are shown at the wheel's pace; between frames the window goes on repainting
    // and taking events. The play handlers wait, and a close stops the wheel.
    SpinPace& pace = *services_.pace;
    pace.start();
    int shown = 0;
    for (;;) {
        const int before = shown;
        for (const int due = Wheel::stepsShownAt(pace.elapsedMs(), steps); shown < due; ++shown)
            ring.step();
        showLamps(ring);
        if (shown != before)
            sound(GameSound::Tick);
        pace.nextFrame();
        if (spin.windowGone() || closing_)
            return false;
        if (shown == steps)
            break;
    }
    spin.wheelTurning(false);
    return true;
}

void Form1::Timer1_Timer() {
    picArrow->setVisible(picArrow->isHidden());
    ++blinkCount_;
    if (blinkCount_ == 10) {
        picArrow->setVisible(true);
        blinkCount_ = 0;
        Timer1->stop();
    }
}

// ---- Guessing a letter ----

void Form1::cmdAlpha_Click(int index) {
    const PlayOutcome guessed = KazMod::guessLetter(state_, index);
    play(guessed);
    if (guessed.message == GameMessage::SpinFirst)
        return; // the letter can still be guessed after a spin
    showBoardArea(guessed);
    cmdAlpha[static_cast<std::size_t>(index)]->setEnabled(false);
    showStatus(guessed);
}

void Form1::setLettersEnabled(bool enabled) {
    for (QPushButton* button : cmdAlpha)
        button->setEnabled(enabled);
}

void Form1::sound(GameSound which) {
    if (preferences_.sound)
        services_.sound->play(which);
}

// The sound, then the message of a step.
void Form1::play(const PlayOutcome& step) {
    if (step.sound)
        sound(*step.sound);
    if (step.message != GameMessage::None)
        GameMessages::show(ui(), this, step.message, step.messageArgs);
}

// ---- Solving ----

void Form1::cmdSolve_Click() {
    if (!KazMod::canSolve(state_))
        return;
    const PlayOutcome solved = KazMod::Solve(state_, GameMessages::askAnswer(ui(), this));
    if (solved.message == GameMessage::None)
        return; // no answer: the game goes on

    std::optional<HighScoreMessage> recorded;
    play(solved);
    if (solved.finalScore) {
        statusWords_ = [score = *solved.finalScore] { return Scoring::finalScoreStatus(score); };
        lblDescript->setText(statusWords_());
        showStatus(solved);
        const QString name = GameMessages::askName(ui(), this);
        recorded = KazMod::RecordHighScore(state_, services_, name, *solved.finalScore);
        if (recorded)
            ui().messageBox(this, recorded->text, recorded->title, MsgButtons::Ok, MsgIcon::Stop);
    }

    showBoardArea(KazMod::endGame(state_));
    // One failure, one message: the table window does not repeat what was just said.
    Form3 highScores(services_, this, !recorded);
    ui().showModal(highScores);
}
