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
#include "GameSetFile.h"
#include "Geometry.h"
#include "HighScores.h"
#include "ProgramFolder.h"
#include "Scoring.h"
#include "WheelPalette.h"
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
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

namespace {

const QString WindowCaption = QStringLiteral("Kazoola");
const double BoardPoints = 12;
const double CluePoints = 9.75;
const double WindowPoints = 8.25;
// The client area as designed; controls that reach past it (the letters' divider) are cut
// at its edge, which is where the window ends at every zoom.
const QRectF ClientTwips(0, 0, 7410, 5445);

// The font for text that has to fit a label of fixed size: the designed size, or a smaller
// one where a long clue would otherwise be cut off. Never below 6 points. (The board has
// a label of its own that does the same.)
QFont fittingFont(const QFont& designed, double zoom, const QLabel* label, const QString& text) {
    const QRect box = label->contentsRect();
    return FontFit::shrinkToFit(designed, 6.0 * zoom, 0.75 * zoom, [&](const QFont& font) {
        const QRect needed =
            QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | label->alignment(), text);
        return needed.width() <= box.width() && needed.height() <= box.height();
    });
}

// The board as a screen reader should say it: the letters found, "blank" for each hidden
// one, and the gaps between words marked. Past the first hundred words, which is more than
// anyone listens to, only the number of words left is said, so that the longest puzzle a set
// can hold costs no more to name than a short one.
QString spokenBoard(const QString& board) {
    if (board.isEmpty())
        return QStringLiteral("Puzzle board: no game");
    constexpr int MostWords = 100;
    QString spoken = QStringLiteral("Puzzle board: ");
    int words = 0;
    bool inWord = false;
    for (const QChar c : board) { // words are runs of cells; only the gaps hold blanks
        if (c == u' ') {
            inWord = false;
            continue;
        }
        if (!inWord)
            ++words;
        if (words <= MostWords) {
            if (!inWord && words > 1)
                spoken += QStringLiteral(", gap, ");
            else if (inWord)
                spoken += u' ';
            spoken += c == u'-' ? QStringLiteral("blank") : QString(c);
        }
        inWord = true;
    }
    if (words > MostWords)
        spoken += QStringLiteral(", and %1 more words").arg(words - MostWords);
    return spoken;
}

void showFitted(QLabel* label, const QFont& designed, double zoom, const QString& text) {
    label->setFont(fittingFont(designed, zoom, label, text));
    label->setText(text);
}

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
    setWindowTitle(WindowCaption);
    setWindowIcon(Artwork::windowIcon());
    setFont(FontFit::timesNewRoman(WindowPoints));
    buildControls();
    buildMenu();
    buildKeys();
    // The client area is fixed in size; the border can still be dragged, and the controls
    // stay where they are. A remembered zoom the screen cannot hold gives way to one it can.
    preferences_ = services_.preferences->load();
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
    lblClue =
        place(Controls::label(client, "lblClue", rect, QStringLiteral("Clue:")), {120, 2400, 4335, 495});
    setWrappedText(lblClue);
    lblClue->setFont(FontFit::timesNewRoman(CluePoints));
    lblClue->setAccessibleDescription(QStringLiteral("The clue to the hidden puzzle"));
    Line2 = place(Controls::line(client, "Line2", QFrame::HLine, rect), {0, 3240, 4800, 15});
    Line2->setAccessibleName(QStringLiteral("Divider under the clue"));

    const Wheel::Ring atRest;
    const int lampLefts[Wheel::LampCount] = {480, 1215, 1950, 2685, 3420};
    for (int i = 0; i < Wheel::LampCount; ++i) {
        auto* lamp = new QFrame(client);
        lamp->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        lamp->setFrameShape(QFrame::Panel);
        lamp->setFrameShadow(QFrame::Sunken);
        lamp->setLineWidth(1);
        lamp->setAutoFillBackground(true);
        place(lamp, {static_cast<double>(lampLefts[i]), 3480, 735, 495});
        lamp->setAccessibleDescription(
            i == Wheel::MiddleLamp ? QStringLiteral("The wheel's middle lamp: its colour decides the spin")
                                   : QStringLiteral("A lamp of the wheel"));
        Picture[static_cast<std::size_t>(i)] = lamp;
    }
    showLamps(atRest);

    picArrow = new QLabel(client);
    picArrow->setObjectName(QStringLiteral("picArrow"));
    place(picArrow, {2047, 4080, 540, 540});
    picArrow->setAlignment(Qt::AlignCenter);
    picArrow->setAccessibleName(
        QStringLiteral("Arrow pointing at lamp %1 of %2").arg(Wheel::MiddleLamp + 1).arg(Wheel::LampCount));
    picArrow->setAccessibleDescription(QStringLiteral("Blinks when the wheel has stopped"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(150);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    cmdSolve = place(Controls::button(client, "cmdSolve", QStringLiteral("Solve"), rect),
                     {480, 4800, 1470, 495}, BoardPoints);
    cmdSpin = place(Controls::button(client, "cmdSpin", QStringLiteral("Spin"), rect),
                    {2685, 4800, 1470, 495}, BoardPoints);
    setPlayButton(cmdSolve, large);
    setPlayButton(cmdSpin, large);
    connect(cmdSolve, &QPushButton::clicked, this, unlessSpinning([this] { cmdSolve_Click(); }));
    connect(cmdSpin, &QPushButton::clicked, this, unlessSpinning([this] { cmdSpin_Click(); }));
    cmdSolve->setAccessibleDescription(QStringLiteral("Type the whole answer (Enter)"));
    cmdSpin->setAccessibleDescription(QStringLiteral("Spin the wheel for a letter's value (Space)"));

    Line1 = place(Controls::line(client, "Line1", QFrame::VLine, rect), {4800, 0, 15, 8000});
    Line1->setAccessibleName(QStringLiteral("Divider between the wheel and the letters"));

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
        button->setAccessibleDescription(
            QStringLiteral("Guess the letter %1 (or type it)").arg(QChar(u'A' + i)));
        cmdAlpha[static_cast<std::size_t>(i)] = button;
    }

    lblDescript = place(Controls::label(client, "lblDescript", rect), {5040, 3960, 2175, 1095});
    setWrappedText(lblDescript);
    lblDescript->setAccessibleDescription(
        QStringLiteral("Status: the last spin or guess, the score and the spins"));
    nameStatus();
    lblPuzzle->setAccessibleName(spokenBoard(QString()));
    lblPuzzle->setAccessibleDescription(QStringLiteral(
        "The hidden puzzle: each hidden letter is read as blank, and gap marks a space between words"));

    CommonDialog1.title = QStringLiteral("Open a KAZ Set to Play");
    CommonDialog1.filter = QStringLiteral("KAZ Game Set (*.kazset)|*.kazset");
}

void Form1::buildMenu() {
    QMenuBar* bar = menuBar();
    // Menus keep the desktop's own font, not the window's.
    bar->setFont(QApplication::font(bar));

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuGame =
        mnuFile->addAction(QStringLiteral("&New Game"), this, unlessSpinning([this] { mnuGame_Click(); }));
    mnuLoad = mnuFile->addAction(QStringLiteral("&Load A Game Set"), this,
                                 unlessSpinning([this] { mnuLoad_Click(); }));
    mnuBar02 = mnuFile->addSeparator();
    mnuSetInfo = mnuFile->addAction(QStringLiteral("&Game Set Information"), this, &Form1::mnuSetInfo_Click);
    mnuSetInfo->setEnabled(false);
    mnuHigh = mnuFile->addAction(QStringLiteral("High &Scores"), this, &Form1::mnuHigh_Click);
    mnuBar01 = mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &Form1::mnuExit_Click);
    mnuGame->setShortcut(QKeySequence::New);
    mnuLoad->setShortcut(QKeySequence::Open);
    mnuHigh->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H)); // no standard key for it
    // The desktop's own Quit key; where the platform names none, Ctrl+Q.
    const QKeySequence quit(QKeySequence::Quit);
    mnuExit->setShortcut(quit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : quit);

    buildViewMenu();

    mnuA = bar->addMenu(QStringLiteral("&About"));
    mnuA->setObjectName(QStringLiteral("mnuA"));
    mnuHelp = mnuA->addAction(QStringLiteral("&Help"), this, &Form1::mnuHelp_Click);
    mnuAbout = mnuA->addAction(QStringLiteral("A&bout The Game"), this, &Form1::mnuAbout_Click);

    const std::pair<QAction*, const char*> names[] = {
        {mnuGame, "mnuGame"},       {mnuLoad, "mnuLoad"}, {mnuBar02, "mnuBar02"},
        {mnuSetInfo, "mnuSetInfo"}, {mnuHigh, "mnuHigh"}, {mnuBar01, "mnuBar01"},
        {mnuExit, "mnuExit"},       {mnuHelp, "mnuHelp"}, {mnuAbout, "mnuAbout"}};
    for (const auto& [action, name] : names)
        action->setObjectName(QLatin1String(name));

    ContextIDs::setHelpContextId(mnuFile, 210);
    ContextIDs::setHelpContextId(mnuA, 220);
}

// View: the zoom steps, full screen and sound. Each choice is remembered at once.
void Form1::buildViewMenu() {
    mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuZoomIn = mnuView->addAction(QStringLiteral("Zoom &In"), this,
                                   [this] { setZoom(Zoom::nextStep(preferences_.zoom)); });
    mnuZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuZoomOut = mnuView->addAction(QStringLiteral("Zoom &Out"), this,
                                    [this] { setZoom(Zoom::previousStep(preferences_.zoom)); });
    mnuZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnuActualSize =
        mnuView->addAction(QStringLiteral("&Actual Size"), this, [this] { setZoom(Zoom::ActualSize); });
    mnuActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuFullScreen = mnuView->addAction(QStringLiteral("&Full Screen"));
    mnuFullScreen->setCheckable(true);
    mnuFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(mnuFullScreen, &QAction::triggered, this, &Form1::setFullScreen);
    mnuView->addSeparator();
    mnuSound = mnuView->addAction(QStringLiteral("&Sound"));
    mnuSound->setCheckable(true);
    mnuSound->setChecked(preferences_.sound);
    mnuSound->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(mnuSound, &QAction::toggled, this, [this](bool on) {
        preferences_.sound = on;
        savePreferences();
    });
    // What a screen reader says besides the item's name.
    mnuZoomIn->setToolTip(QStringLiteral("Make the game window larger"));
    mnuZoomOut->setToolTip(QStringLiteral("Make the game window smaller"));
    mnuActualSize->setToolTip(QStringLiteral("Show the game window at its designed size"));
    mnuFullScreen->setToolTip(QStringLiteral("Fill the screen with the game (F11 or Esc to leave)"));
    mnuSound->setToolTip(QStringLiteral("Play the game's sounds"));
    const std::pair<QAction*, const char*> names[] = {{mnuZoomIn, "mnuZoomIn"},
                                                      {mnuZoomOut, "mnuZoomOut"},
                                                      {mnuActualSize, "mnuActualSize"},
                                                      {mnuFullScreen, "mnuFullScreen"},
                                                      {mnuSound, "mnuSound"}};
    for (const auto& [action, name] : names)
        action->setObjectName(QLatin1String(name));
}

void Form1::layOut(int percent, QPoint origin) {
    zoomShown_ = percent;
    const double zoom = Zoom::factor(percent);
    for (const Placement& p : placements_) {
        const QRectF r = p.designed.intersected(ClientTwips);
        p.widget->setGeometry(Geometry::rect(r.x(), r.y(), r.width(), r.height(), zoom).translated(origin));
        if (p.points > 0)
            p.widget->setFont(FontFit::timesNewRoman(Geometry::points(p.points, zoom)));
        if (auto* frame = qobject_cast<QFrame*>(p.widget); frame && frame->frameShape() != QFrame::NoFrame)
            frame->setLineWidth(Geometry::lineWidth(zoom));
    }
    setFont(FontFit::timesNewRoman(Geometry::points(WindowPoints, zoom)));
    picArrow->setPixmap(Artwork::arrowPixmap(zoom, devicePixelRatioF()));
    // The board and the clue fit their text again, at the new size.
    showBoard(lblPuzzle->text());
    showClue(lblClue->text());
}

void Form1::showZoom(int percent) {
    layOut(percent);
    const double zoom = Zoom::factor(percent);
    const QPoint centre = frameGeometry().center();
    resize(Geometry::px(ClientTwips.width(), zoom),
           Geometry::px(ClientTwips.height(), zoom) + menuBar()->sizeHint().height());
    // A window on the screen grows or shrinks about its centre, and stays on the screen.
    if (isVisible() && screen()) {
        const QRect room = screen()->availableGeometry();
        QRect frame = frameGeometry();
        frame.setSize(size() + (frame.size() - geometry().size()));
        frame.moveCenter(centre);
        frame.moveRight(std::min(frame.right(), room.right()));
        frame.moveBottom(std::min(frame.bottom(), room.bottom()));
        frame.moveLeft(std::max(frame.left(), room.left()));
        frame.moveTop(std::max(frame.top(), room.top()));
        move(frame.topLeft());
    }
    updateViewMenu();
}

bool Form1::fitsScreen(int percent) const {
    const QScreen* shown = screen();
    if (!shown)
        return percent == Zoom::ActualSize;
    const double zoom = Zoom::factor(percent);
    // The frame the window manager puts around the window counts too, once it is known.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize needed(Geometry::px(ClientTwips.width(), zoom) + frame.width(),
                       Geometry::px(ClientTwips.height(), zoom) + menuBar()->sizeHint().height() +
                           frame.height());
    const QSize room = shown->availableGeometry().size();
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void Form1::setZoom(int percent) {
    if (!Zoom::isStep(percent) || isFullScreen() || !fitsScreen(percent))
        return;
    preferences_.zoom = percent;
    showZoom(percent);
    savePreferences();
}

void Form1::updateViewMenu() {
    const bool full = isFullScreen();
    const int next = Zoom::nextStep(preferences_.zoom);
    mnuZoomIn->setEnabled(!full && next != 0 && fitsScreen(next));
    mnuZoomOut->setEnabled(!full && Zoom::previousStep(preferences_.zoom) != 0);
    mnuActualSize->setEnabled(!full);
    mnuFullScreen->setChecked(full);
    // Esc leaves full screen too, and only there does it mean that.
    mnuFullScreen->setShortcuts(
        full ? QList<QKeySequence>{QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_Escape)}
             : QList<QKeySequence>{QKeySequence(Qt::Key_F11)});
}

void Form1::setFullScreen(bool on) {
    if (on == isFullScreen()) {
        updateViewMenu();
        return;
    }
    preferences_.fullScreen = on;
    savePreferences();
    if (on) {
        centralWidget()->installEventFilter(this);
        showFullScreen();
        fitToScreen();
    } else {
        centralWidget()->removeEventFilter(this);
        showNormal();
        showZoom(preferences_.zoom);
    }
    updateViewMenu();
}

void Form1::fitToScreen() {
    const QSize room = centralWidget()->size();
    const int percent = Zoom::largestFitting([&](int step) {
        const double zoom = Zoom::factor(step);
        return Geometry::px(ClientTwips.width(), zoom) <= room.width() &&
               Geometry::px(ClientTwips.height(), zoom) <= room.height();
    });
    const double zoom = Zoom::factor(percent);
    const QSize shown(Geometry::px(ClientTwips.width(), zoom), Geometry::px(ClientTwips.height(), zoom));
    layOut(percent, QPoint(std::max(0, (room.width() - shown.width()) / 2),
                           std::max(0, (room.height() - shown.height()) / 2)));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // The screen's size arrives when the window system has made the window full screen.
    if (watched == centralWidget() && event->type() == QEvent::Resize && isFullScreen())
        fitToScreen();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event) {
    // The window system may end full screen itself: the zoom comes back as after F11.
    if (event->type() == QEvent::WindowStateChange && mnuFullScreen && mnuFullScreen->isChecked() &&
        !isFullScreen() && !(windowState() & Qt::WindowMinimized)) {
        preferences_.fullScreen = false;
        savePreferences();
        centralWidget()->removeEventFilter(this);
        showZoom(preferences_.zoom);
    }
    QMainWindow::changeEvent(event);
}

void Form1::showAsPreferred() {
    if (preferences_.fullScreen) {
        preferences_.fullScreen = false; // setFullScreen remembers it again
        setFullScreen(true);
    } else {
        show();
    }
}

void Form1::savePreferences() {
    services_.preferences->save(preferences_); // a file that cannot be written changes nothing
}

void Form1::sound(GameSound which) {
    if (preferences_.sound)
        services_.sound->play(which);
}

// Space spins and Enter solves wherever the focus is, a focused letter button included:
// window shortcuts come before the button's own Space.
void Form1::buildKeys() {
    auto addKey = [this](const QList<QKeySequence>& keys, QPushButton* button) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setAutoRepeat(false); // a held key is one press
        connect(action, &QAction::triggered, button, &QPushButton::click);
        addAction(action);
    };
    addKey({QKeySequence(Qt::Key_Space)}, cmdSpin);
    addKey({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, cmdSolve);
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
    CommonDialog1.initialFolder = ProgramFolder::withSeparator(services_.folder);
    QWidget* previous = cmdSpin;
    setTabOrder(cmdSolve, cmdSpin);
    for (int i = 0; i < 26; ++i) {
        QPushButton* button = cmdAlpha[static_cast<std::size_t>(i)];
        button->setText(QString(QChar(u'A' + i)));
        setTabOrder(previous, button);
        previous = button;
    }
    state_.GameInProgress = false;
    state_.SetLoaded = false;
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
    if (state_.GameInProgress && !confirmAbandonGame())
        return false;
    return true;
}

bool Form1::confirmAbandonGame() {
    return ui().messageBox(
               this, QStringLiteral("There is already a game in progress!\r\nAre you sure you want to quit?"),
               QStringLiteral("Really Quit?"), MsgButtons::YesNo, MsgIcon::None) == MsgResult::Yes;
}

void Form1::UpdateStatus() {
    lblDescript->setText(KazMod::statusText(state_));
    nameStatus();
}

void Form1::nameStatus() {
    QStringList parts;
    if (!outcome_.isEmpty())
        parts << outcome_;
    for (const QString& line : lblDescript->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        parts << line.trimmed();
    lblDescript->setAccessibleName(parts.isEmpty() ? QStringLiteral("Status: no game set loaded")
                                                   : parts.join(QStringLiteral(". ")));
    outcome_.clear();
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
    if (state_.GameInProgress && !confirmAbandonGame())
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
        ui().messageBox(this, GameSetFile::notLoadedText(path, read.error), GameSetFile::NotLoadedTitle,
                        MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }

    resetBoard();
    KazMod::installGameSet(state_, read.value);
    state_.SetLoaded = true;
    mnuSetInfo->setEnabled(true);
    UpdateStatus();
    return true;
}

void Form1::resetBoard() {
    state_.GameInProgress = false;
    state_.SpinCount = 0;
    state_.Score = 0;
    showBoard(QString());
    showClue(QStringLiteral("Clue: "));
    setWindowTitle(WindowCaption);
    cmdSolve->setEnabled(false);
    cmdSpin->setEnabled(false);
    setLettersEnabled(false);
}

// ---- A new game ----

void Form1::mnuGame_Click() {
    if (!state_.SetLoaded) {
        ui().messageBox(this,
                        QStringLiteral("There is not a Game Set Loaded!\r\nPlease load a game set first!"),
                        QStringLiteral("No Game Set Loaded!"), MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    if (state_.GameInProgress && !confirmAbandonGame())
        return;

    state_.SpinCount = 0;
    state_.Score = 0;
    state_.GameInProgress = true;
    state_.SpinValue.clear();
    UpdateStatus();

    setLettersEnabled(true);
    cmdSolve->setEnabled(true);
    cmdSpin->setEnabled(true);
    state_.HasSpun = false;

    services_.random->reseed(services_.clock->secondsSinceMidnight());
    const int n = KazMod::drawSlot(services_.random->next(), state_.PuzzleCount);
    setWindowTitle(QStringLiteral("Kazoola - Game %1 of %2").arg(n + 1).arg(state_.PuzzleCount));

    PuzzleEntry& pair = state_.Puzzles[static_cast<std::size_t>(n)];
    state_.CurrentClue = KazMod::NormalizePuzzleText(pair.Clue);
    state_.CurrentPuzzle = KazMod::NormalizePuzzleText(pair.Puzzle);
    showClue(QStringLiteral("Clue: ") + state_.CurrentClue);

    state_.BoardText = KazMod::buildBoard(state_.CurrentPuzzle);
    showBoard(state_.BoardText);
    cmdSpin->setFocus(Qt::OtherFocusReason); // Space spins, letters can be typed
}

// ---- The wheel ----

void Form1::cmdSpin_Click() {
    if (state_.HasSpun) {
        ui().messageBox(this, QStringLiteral("Please guess a letter before spinning again."),
                        QStringLiteral("Pick A Letter"), MsgButtons::Ok, MsgIcon::None);
        return;
    }
    if (!state_.BoardText.contains(u'-')) {
        ui().messageBox(
            this,
            QStringLiteral("All of the letters in the puzzle have been uncovered.  Please solve the puzzle!"),
            QStringLiteral("All Letters Are Showing"), MsgButtons::Ok, MsgIcon::None);
        cmdSolve_Click();
        return;
    }

    SpinScope spin(this);
    Timer1->stop();
    picArrow->setVisible(true);

    Wheel::Ring ring;
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
            return; // the window is closing or gone: the spin has no result
        if (shown == steps)
            break;
    }
    spin.wheelTurning(false);

    state_.SpinCount = KazMod::nextSpinCount(state_.SpinCount);
    const Wheel::Result result = Wheel::resultFor(ring.middle());
    if (result.allPointsLost) {
        sound(GameSound::AllPointsLost);
        ui().messageBox(
            this, QStringLiteral("I am sorry but you have lost all of your points!\r\nPlease roll again"),
            QStringLiteral("All Points Lost!"), MsgButtons::Ok, MsgIcon::None);
        state_.Score = 0;
        state_.SpinValue = result.spinValue;
        state_.HasSpun = false;
    } else {
        state_.SpinValue = result.spinValue;
        state_.HasSpun = true;
    }

    spin.endCursor();
    outcome_ = QStringLiteral("Spin result: ") + state_.SpinValue;
    UpdateStatus();
    Timer1->start();
}

void Form1::showBoard(const QString& text) {
    const double zoom = Zoom::factor(zoomShown_);
    lblPuzzle->showBoard(text, FontFit::timesNewRoman(Geometry::points(BoardPoints, zoom)), zoom);
    lblPuzzle->setAccessibleName(spokenBoard(text));
}

void Form1::showClue(const QString& text) {
    const double zoom = Zoom::factor(zoomShown_);
    showFitted(lblClue, FontFit::timesNewRoman(Geometry::points(CluePoints, zoom)), zoom, text);
}

void Form1::showLamps(const Wheel::Ring& ring) {
    for (int i = 0; i < Wheel::LampCount; ++i) {
        QFrame* lamp = Picture[static_cast<std::size_t>(i)];
        QPalette palette = lamp->palette();
        palette.setColor(QPalette::Window, Wheel::paletteColor(ring.slot(i)));
        lamp->setPalette(palette);
        const QString name = QStringLiteral("Lamp %1 of %2: %3")
                                 .arg(i + 1)
                                 .arg(Wheel::LampCount)
                                 .arg(Wheel::colorName(ring.slot(i)));
        if (lamp->accessibleName() != name)
            lamp->setAccessibleName(name);
        lamp->update(); // every frame, also in the slow end where a lamp keeps its colour
    }
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
    if (!state_.HasSpun) {
        ui().messageBox(this, QStringLiteral("Before you can guess a letter, you must spin!"),
                        QStringLiteral("Please Spin First"), MsgButtons::Ok, MsgIcon::None);
        return;
    }
    state_.HasSpun = false;
    const QString letter(QChar(u'A' + index));
    QPushButton* button = cmdAlpha[static_cast<std::size_t>(index)];
    if (!state_.CurrentPuzzle.contains(letter, Qt::CaseSensitive)) {
        sound(GameSound::Miss);
        ui().messageBox(this, QStringLiteral("I am sorry, that letter was not found!"),
                        QStringLiteral("Letter Not Found"), MsgButtons::Ok, MsgIcon::None);
        button->setEnabled(false);
        outcome_ = QStringLiteral("Letter %1 not found").arg(letter);
        nameStatus();
        return;
    }
    const int found = KazMod::RevealLetter(state_, letter);
    sound(GameSound::Chime);
    showBoard(state_.BoardText);
    button->setEnabled(false);
    state_.Score = Scoring::scoreAfterGuess(state_.Score, state_.SpinValue, found);
    outcome_ = found == 1 ? QStringLiteral("Letter %1 found once").arg(letter)
                          : QStringLiteral("Letter %1 found %2 times").arg(letter).arg(found);
    UpdateStatus();
}

void Form1::setLettersEnabled(bool enabled) {
    for (QPushButton* button : cmdAlpha)
        button->setEnabled(enabled);
}

// ---- Solving ----

void Form1::cmdSolve_Click() {
    if (!state_.GameInProgress)
        return;
    QString answer = ui().inputBox(this, QStringLiteral("Please Enter Your Guess (And Watch Your Spelling!)"),
                                   QStringLiteral("Enter Your Answer"));
    if (answer.isEmpty())
        return; // the game goes on
    state_.GameInProgress = false;

    std::optional<HighScoreMessage> recorded;
    const QString normalized = KazMod::NormalizePuzzleText(answer); // answer keeps the case typed
    if (Scoring::isRightAnswer(normalized, state_.CurrentPuzzle)) {
        const int letters = Scoring::letterCount(state_.CurrentPuzzle);
        const double finalScore = Scoring::finalScore(letters, state_.Score, state_.SpinCount);
        sound(GameSound::Fanfare);
        ui().messageBox(this, Scoring::congratulationsText(state_.SpinCount, letters, finalScore),
                        QStringLiteral("congratulations"), MsgButtons::Ok, MsgIcon::None);
        lblDescript->setText(Scoring::finalScoreStatus(finalScore));
        outcome_ = QStringLiteral("Solved");
        nameStatus();
        const QString name = ui().inputBox(
            this, QStringLiteral("Please Enter Your Name IN CASE You Qualify For The High Score Board."),
            QStringLiteral("High Score?"));
        recorded = KazMod::RecordHighScore(state_, services_, name, finalScore);
        if (recorded)
            ui().messageBox(this, recorded->text, recorded->title, MsgButtons::Ok, MsgIcon::Stop);
    } else {
        sound(GameSound::Wrong);
        ui().messageBox(this, Scoring::sorryText(answer, state_.CurrentPuzzle), QStringLiteral("Sorry!"),
                        MsgButtons::Ok, MsgIcon::None);
    }

    resetBoard();
    // One failure, one message: the table window does not repeat what was just said.
    Form3 highScores(services_, this, !recorded);
    ui().showModal(highScores);
}
