// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window itself: its controls and menu at start, loading a game set (success,
// failure, Cancel), the windows the menu opens, help, and the quit question on closing.
#include "ContextIDs.h"
#include "Geometry.h"
#include "HelpViewer.h"
#include "test_game_support.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

namespace {
// The next widget the Tab key can reach (the focus chain also holds labels and lines).
QWidget* nextTabStop(QWidget* from) {
    QWidget* w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus))
        w = w->nextInFocusChain();
    return w;
}
} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // At start: caption, fonts, the client area, letters A to Z in their grid, disabled and in
    // tab order, the arrow under the middle lamp, an idle timer, and no set loaded.
    void startsWithTheDesignedWindow() {
        GameTable t;
        Form1& f = *t.form;
        QCOMPARE(f.windowTitle(), QStringLiteral("Kazoola"));
        QVERIFY(!f.windowIcon().isNull());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(f.font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(f.font().pointSizeF(), 8.25);
        f.show();
        QCOMPARE(f.centralWidget()->size(), QSize(494, 363)); // 7410 x 5445 twips under the menu

        QCOMPARE(t.w.lblPuzzle->font().pointSizeF(), 12.0);
        QVERIFY(t.w.lblPuzzle->wordWrap());
        QCOMPARE(t.w.lblClue->text(), QStringLiteral("Clue:"));
        QCOMPARE(t.w.lblDescript->text(), QString()); // empty until a set is loaded
        QCOMPARE(t.w.lblDescript->font().pointSizeF(), 8.25);
        // The arrow sits right under the middle lamp, centred on it.
        QVERIFY(qAbs(t.w.picArrow->geometry().center().x() - t.w.Picture[2]->geometry().center().x()) <= 1);
        QVERIFY(t.w.picArrow->geometry().top() > t.w.Picture[2]->geometry().bottom());
        QVERIFY(!t.w.picArrow->isHidden());
        QCOMPARE(t.w.picArrow->pixmap().size(), QSize(32, 32));
        QCOMPARE(t.w.Timer1->interval(), 150);
        QVERIFY(!t.w.Timer1->isActive());
        QVERIFY(!t.w.cmdSolve->isEnabled() && !t.w.cmdSpin->isEnabled());

        QWidget* previous = t.w.cmdSpin;
        for (int i = 0; i < 26; ++i) {
            QPushButton* b = t.w.cmdAlpha[i];
            QCOMPARE(b->text(), QString(QChar(u'A' + i)));
            QVERIFY(!b->isEnabled());
            const int left = i < 24 ? 5280 + 480 * (i % 4) : 5760 + 480 * (i - 24);
            const int top = 120 + 480 * (i < 24 ? i / 4 : 6);
            QCOMPARE(b->geometry(), Geometry::rect(left, top, 500, 500));
            QCOMPARE(nextTabStop(previous), b);
            previous = b;
        }

        QVERIFY(!t.state().GameInProgress && !t.state().SetLoaded);
        QVERIFY(t.ui.calls.isEmpty());
    }

    // The menu bar: captions with their access keys, separators, Game Set Information
    // disabled, help topics on the window and both menus.
    void menuIsCompleteWithHelpTopics() {
        GameTable t;
        Form1& f = *t.form;
        const QList<QAction*> top = f.menuBar()->actions();
        QCOMPARE(top.size(), 3);
        QCOMPARE(top[0]->text(), QStringLiteral("&File"));
        QCOMPARE(top[1]->text(), QStringLiteral("&View"));
        QCOMPARE(top[2]->text(), QStringLiteral("&About"));
        QStringList file;
        for (QAction* a : t.w.mnuFile->actions())
            file << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(file,
                 (QStringList{QStringLiteral("&New Game"), QStringLiteral("&Load A Game Set"),
                              QStringLiteral("-"), QStringLiteral("&Game Set Information"),
                              QStringLiteral("High &Scores"), QStringLiteral("-"), QStringLiteral("E&xit")}));
        QCOMPARE(t.w.mnuA->actions().size(), 2);
        QCOMPARE(t.w.mnuHelp->text(), QStringLiteral("&Help"));
        QCOMPARE(t.w.mnuAbout->text(), QStringLiteral("A&bout The Game"));
        QVERIFY(t.w.mnuBar01->isSeparator() && t.w.mnuBar02->isSeparator());
        QVERIFY(!t.w.mnuSetInfo->isEnabled());
        for (QAction* a : {t.w.mnuGame, t.w.mnuLoad, t.w.mnuHigh, t.w.mnuExit, t.w.mnuHelp, t.w.mnuAbout})
            QVERIFY(a->isEnabled());

        QCOMPARE(ContextIDs::helpContextIdOf(&f), 10);
        QCOMPARE(ContextIDs::helpContextIdOf(t.w.cmdSpin), 10);
        QCOMPARE(ContextIDs::helpContextIdOf(t.w.mnuFile), 210);
        QCOMPARE(ContextIDs::helpContextIdOf(t.w.mnuA), 220);
        QCOMPARE(ContextIDs::helpFile(), t.dir.path() + QStringLiteral("/Kaz.HLP"));
    }

    // The open dialog starts in the program folder, with exactly one separator at its end.
    void openDialogStartsInTheProgramFolder() {
        GameTable t;
        t.w.mnuLoad->trigger();
        QCOMPARE(t.ui.calls.size(), 1);
        const UiCall& open = t.ui.calls[0];
        QCOMPARE(open.kind, UiCall::OpenFile);
        QCOMPARE(open.file.title, QStringLiteral("Open a KAZ Set to Play"));
        QCOMPARE(open.file.filter, QStringLiteral("KAZ Game Set (*.kazset)|*.kazset"));
        QCOMPARE(open.file.defaultExtension, QString());
        QCOMPARE(open.file.initialFolder, t.dir.path() + u'/');

        GameServices rooted = t.services;
        rooted.folder = QStringLiteral("/");
        Form1 atRoot(rooted);
        Form1Widgets(atRoot).mnuLoad->trigger();
        QCOMPARE(t.ui.calls.last().file.initialFolder, QStringLiteral("/"));
        rooted.folder = QStringLiteral("/opt/kaz");
        Form1 plain(rooted);
        Form1Widgets(plain).mnuLoad->trigger();
        QCOMPARE(t.ui.calls.last().file.initialFolder, QStringLiteral("/opt/kaz/"));
    }

    // A good file fills the set fields, enables Game Set Information, shows score and spins
    // of 0 and leaves the board idle; no message.
    void loadingASetMakesItTheOneToPlay() {
        GameTable t;
        const QString path = t.writeSet(QStringLiteral("animals.kazset"), threeAnimals());
        t.load(path);
        QVERIFY(t.state().SetLoaded);
        QCOMPARE(t.state().Puzzles[2].Puzzle, QStringLiteral("Tortoise"));
        QVERIFY(t.w.mnuSetInfo->isEnabled());
        QCOMPARE(t.status(), QStringLiteral("Current Score: 0\r\n# Of Spins So Far: 0\r\nSpin Value: "));
        QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola"));
        QCOMPARE(t.w.lblClue->text(), QStringLiteral("Clue: "));
        QCOMPARE(t.w.lblPuzzle->text(), QString());
        QVERIFY(!t.w.cmdSpin->isEnabled() && !t.w.cmdSolve->isEnabled());
        QVERIFY(t.lettersEnabled(false));
        QVERIFY(t.ui.messages().isEmpty());
    }

    // Loading during a game ends it after the quit question; the board goes idle and the
    // last spin value stays in the panel until the next New Game.
    void loadingDuringAGameEndsItAfterTheQuestion() {
        GameTable t;
        const QString path = t.writeSet(QStringLiteral("animals.kazset"), threeAnimals());
        t.load(path);
        t.newGame();
        t.spin(QStringLiteral("Double"));
        t.ui.clear();

        t.ui.fileAnswers.enqueue(path);
        t.w.mnuLoad->trigger(); // answered No
        QCOMPARE(t.ui.calls.size(), 1);
        QCOMPARE(t.ui.calls[0], ReallyQuitBox);
        QVERIFY(t.state().GameInProgress);
        QCOMPARE(t.state().SpinCount, std::int16_t(1));

        t.ui.messageAnswers.enqueue(MsgResult::Yes);
        t.w.mnuLoad->trigger();
        QVERIFY(!t.state().GameInProgress);
        QVERIFY(t.state().SetLoaded);
        QCOMPARE(t.status(),
                 QStringLiteral("Current Score: 0\r\n# Of Spins So Far: 0\r\nSpin Value: Double"));
        QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola"));
        QCOMPARE(t.w.lblPuzzle->text(), QString());
        QVERIFY(!t.w.cmdSpin->isEnabled() && !t.w.cmdSolve->isEnabled());
        QVERIFY(t.lettersEnabled(false));
    }

    // A damaged or missing file changes nothing at all: the set loaded before, the running
    // game and the board stay; the stop-icon message names the file and the line.
    void aFailedLoadChangesNothing() {
        GameTable t;
        const QString good = t.writeSet(QStringLiteral("animals.kazset"), threeAnimals());
        const QString damaged =
            t.writeBytes(QStringLiteral("damaged.kazset"),
                         "\"Birds\"\r\n\"B\"\r\n#2001-02-25#\r\n\"I\"\r\n2\r\n\"c1\"\r\n\"p1\"\r\n\"c2\r\n");
        const QString tooMany = t.writeBytes(QStringLiteral("many.kazset"),
                                             "\"Birds\"\r\n\"B\"\r\n#2001-02-25#\r\n\"I\"\r\n102\r\n");
        const QString missing = t.dir.filePath(QStringLiteral("missing.kazset"));

        // Nothing loaded yet: still nothing loaded, Game Set Information still disabled.
        t.load(damaged);
        QVERIFY(!t.state().SetLoaded);
        QVERIFY(!t.w.mnuSetInfo->isEnabled());
        QCOMPARE(t.state().SetTitle, QString());
        QCOMPARE(t.state().Puzzles[0].Clue, QString());
        QCOMPARE(t.ui.messages().size(), 1);
        QCOMPARE(t.ui.messages().constFirst(),
                 UiCall::message(QStringLiteral("This file is not a usable game set:\r\n") +
                                     QDir::toNativeSeparators(damaged) +
                                     QStringLiteral("\r\nline 8: clue 2 has no closing double quote"),
                                 QStringLiteral("Game Set Not Loaded"), MsgButtons::Ok, MsgIcon::Stop));

        t.load(good);
        t.newGame(0.5);
        t.spin(QStringLiteral("500 Points"));
        t.guess('L');
        const GameState before = t.state();
        const QString caption = t.form->windowTitle();
        const QString board = t.w.lblPuzzle->text();
        const QString clue = t.w.lblClue->text();
        const QString status = t.status();

        const QList<std::pair<QString, QString>> failures = {
            {damaged, QStringLiteral("line 8: clue 2 has no closing double quote")},
            {tooMany, QStringLiteral("line 5: a number of puzzles from 1 to 101 was expected")},
            {missing, QStringLiteral("the file could not be opened")}};
        for (const auto& [path, reason] : failures) {
            t.ui.clear();
            t.ui.messageAnswers.enqueue(MsgResult::Yes);
            t.load(path);
            QCOMPARE(t.ui.messages().size(), 2);
            const UiCall failure = t.ui.messages()[1];
            QCOMPARE(failure.title, QStringLiteral("Game Set Not Loaded"));
            QCOMPARE(failure.icon, MsgIcon::Stop);
            QVERIFY2(failure.text.startsWith(QStringLiteral("This file is not a usable game set:\r\n") +
                                             QDir::toNativeSeparators(path) + QStringLiteral("\r\n") +
                                             reason),
                     qPrintable(failure.text));
            const GameState& s = t.state();
            QVERIFY(s.SetLoaded && s.GameInProgress && !s.HasSpun);
            QCOMPARE(s.SetTitle, before.SetTitle);
            QCOMPARE(s.PuzzleCount, before.PuzzleCount);
            QCOMPARE(s.Puzzles[0].Clue, before.Puzzles[0].Clue);
            QCOMPARE(s.Puzzles[1].Puzzle, before.Puzzles[1].Puzzle);
            QCOMPARE(s.Score, before.Score);
            QCOMPARE(s.SpinCount, before.SpinCount);
            QCOMPARE(s.BoardText, before.BoardText);
            QCOMPARE(t.form->windowTitle(), caption);
            QCOMPARE(t.w.lblPuzzle->text(), board);
            QCOMPARE(t.w.lblClue->text(), clue);
            QCOMPARE(t.status(), status);
            QVERIFY(t.w.cmdSpin->isEnabled() && t.w.cmdSolve->isEnabled());
            QVERIFY(!t.letter('L')->isEnabled() && t.letter('A')->isEnabled());
            QVERIFY(t.w.mnuSetInfo->isEnabled());
        }
    }

    // Cancel in the open dialog cancels: no reset, no reload, a running game goes on.
    void cancelInTheOpenDialogCancels() {
        GameTable t;
        t.load(QString());
        QVERIFY(!t.state().SetLoaded);
        QVERIFY(t.ui.messages().isEmpty());
        QCOMPARE(t.w.lblClue->text(), QStringLiteral("Clue:"));
        QCOMPARE(t.status(), QString());

        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeAnimals()));
        t.newGame(0.5);
        t.ui.clear();
        t.ui.messageAnswers.enqueue(MsgResult::Yes);
        t.load(QString());
        QCOMPARE(t.ui.calls.size(), 2); // the question, then the dialog
        QVERIFY(t.state().GameInProgress);
        QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola - Game 2 of 3"));
        QCOMPARE(t.state().BoardText, QStringLiteral("---    ----"));
        QVERIFY(t.w.cmdSpin->isEnabled());
        QVERIFY(t.lettersEnabled(true));
    }

    // The next open dialog starts where the last set was chosen.
    void openDialogRemembersTheFolderChosenLast() {
        GameTable t;
        QVERIFY(QDir(t.dir.path()).mkpath(QStringLiteral("sets")));
        t.load(t.writeSet(QStringLiteral("sets/animals.kazset"), threeAnimals()));
        t.load(QString());
        QCOMPARE(t.ui.calls.last().file.initialFolder, t.dir.path() + QStringLiteral("/sets/"));
    }

    // Game Set Information, High Scores and About open their windows modally; Help opens
    // the help file at its contents.
    void menuOpensTheSideWindowsAndHelp() {
        GameTable t;
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeAnimals()));
        t.ui.clear();
        t.w.mnuSetInfo->trigger();
        t.w.mnuHigh->trigger();
        t.w.mnuAbout->trigger();
        QStringList windows;
        for (const UiCall& c : t.ui.calls) {
            QCOMPARE(c.kind, UiCall::Modal);
            windows << c.text;
        }
        QCOMPARE(windows,
                 (QStringList{QStringLiteral("Form2"), QStringLiteral("Form3"), QStringLiteral("frmAbout")}));

        t.w.mnuHelp->trigger();
        QVERIFY(ContextIDs::viewer());
        QCOMPARE(ContextIDs::viewer()->helpFile(), t.dir.path() + QStringLiteral("/Kaz.HLP"));
        ContextIDs::QuitHelp();
    }

    // With no game running the window closes at once, with no question; help is closed first.
    void closingWithoutAGameAsksNothing() {
        GameTable t;
        t.form->show();
        ContextIDs::ShowHelpContents();
        QVERIFY(ContextIDs::viewer());
        QVERIFY(t.form->close());
        QVERIFY(t.ui.calls.isEmpty());
        QVERIFY(!ContextIDs::viewer());

        GameTable viaMenu;
        viaMenu.form->show();
        viaMenu.w.mnuExit->trigger();
        QVERIFY(!viaMenu.form->isVisible());
        QVERIFY(viaMenu.ui.calls.isEmpty());
    }

    // During a game both the close box and File, Exit ask "Really Quit?": No keeps the
    // window and the game exactly as they were, Yes closes.
    void closingDuringAGameAsksFirst_data() {
        QTest::addColumn<bool>("viaExit");
        QTest::newRow("close box") << false;
        QTest::newRow("File, Exit") << true;
    }
    void closingDuringAGameAsksFirst() {
        QFETCH(bool, viaExit);
        {
            GameTable t;
            t.load(t.writeSet(QStringLiteral("animals.kazset"), threeAnimals()));
            t.newGame(0.5);
            t.spin(QStringLiteral("100 Points"));
            t.form->show();
            ContextIDs::ShowHelpContents();
            t.ui.clear();
            const QString status = t.status();

            if (viaExit)
                t.w.mnuExit->trigger();
            else
                QVERIFY(!t.form->close());
            QCOMPARE(t.ui.calls.size(), 1);
            QCOMPARE(t.ui.calls[0], ReallyQuitBox);
            QVERIFY(!ContextIDs::viewer()); // help went first, whatever the answer
            QVERIFY(t.form->isVisible());
            QVERIFY(t.state().GameInProgress && t.state().HasSpun);
            QCOMPARE(t.state().SpinCount, std::int16_t(1));
            QCOMPARE(t.status(), status);
            QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola - Game 2 of 3"));
            QVERIFY(t.w.cmdSpin->isEnabled() && t.lettersEnabled(true));

            t.ui.messageAnswers.enqueue(MsgResult::Yes);
            if (viaExit)
                t.w.mnuExit->trigger();
            else
                QVERIFY(t.form->close());
            QVERIFY(!t.form->isVisible());
            QCOMPARE(t.ui.calls.size(), 2);
        }
    }

    // Keys: a typed letter in either case with the checks of a click, Space and Enter where
    // the focus is, a letter button included, Spin focused after New Game, the menu keys.
    void keyboardPlaysAWholeGame() {
        GameTable t;
        Form1& f = *t.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeAnimals()));
        t.random.values << 0.0 << 0.5 << 0.5; // the first pair, then a spin of 100 Points
        QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), t.w.cmdSpin);
        QTest::keyClick(&f, Qt::Key_B, Qt::NoModifier, 'b'); // before a spin: Please Spin First
        t.letter('B')->setFocus();
        QTest::keyClick(t.letter('B'), Qt::Key_Space); // spins, does not press B
        QTest::keyClick(t.letter('B'), Qt::Key_G, Qt::NoModifier, 'g');
        QTest::keyClick(&f, Qt::Key_G, Qt::ShiftModifier, 'G'); // guessed already: nothing
        QVERIFY(t.letter('B')->isEnabled() && !t.letter('G')->isEnabled() && t.state().Score == 200);
        t.answers({QStringLiteral("big dog")});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(&f, Qt::Key_H, Qt::ControlModifier);
        QStringList titles;
        for (const UiCall& c : t.ui.calls)
            titles << c.title;
        QCOMPARE(titles.join(u'|'),
                 QStringLiteral("Open a KAZ Set to Play|Please Spin First|Enter Your Answer|"
                                "congratulations|High Score?|High Scores for KAZ|High Scores for KAZ"));
        QTest::keyClick(&f, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!f.isVisible());
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
