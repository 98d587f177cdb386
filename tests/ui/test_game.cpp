// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing: New Game and the board, the wheel and each of its results, letter guesses,
// solving right and wrong, and the guards that keep the wheel from being re-entered.
#include "Form3.h"
#include "WheelPalette.h"
#include "test_game_support.h"

#include <QDataStream>
#include <QFrame>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

namespace {
const QString AnswerPrompt = QStringLiteral("Please Enter Your Guess (And Watch Your Spelling!)");
const QString NamePrompt =
    QStringLiteral("Please Enter Your Name IN CASE You Qualify For The High Score Board.");

// threeAnimals with the lion's pair in loose case and spacing, as a set may hold it.
QList<PuzzleEntry> threeUntidyAnimals() {
    return {{QStringLiteral("It barks at the mailman"), QStringLiteral("Big Dog")},
            {QStringLiteral("  king of   the jungle"), QStringLiteral("the   lion ")},
            {QStringLiteral("Slow, with a shell"), QStringLiteral("Tortoise")}};
}

QStringList callSummary(const QList<UiCall>& calls) {
    QStringList out;
    for (const UiCall& c : calls) {
        switch (c.kind) {
        case UiCall::Message:
            out << QStringLiteral("message ") + c.title;
            break;
        case UiCall::Input:
            out << QStringLiteral("input ") + c.title;
            break;
        case UiCall::Modal:
            out << QStringLiteral("window ") + c.text;
            break;
        default:
            out << QStringLiteral("file ") + c.title;
        }
    }
    return out;
}

// The board as the end of a game leaves it, whichever way it ended.
void verifyBoardCleared(GameTable& t) {
    QCOMPARE(t.w.lblPuzzle->text(), QString());
    QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola"));
    QCOMPARE(t.w.lblClue->text(), QStringLiteral("Clue: "));
    QVERIFY(!t.w.cmdSolve->isEnabled());
    QVERIFY(!t.w.cmdSpin->isEnabled());
    QVERIFY(t.lettersEnabled(false));
    QCOMPARE(t.state().SpinCount, std::int16_t(0));
    QCOMPARE(t.state().Score, 0.0);
    QVERIFY(!t.state().GameInProgress);
}

QList<QColor> lampColours(const GameTable& t) {
    QList<QColor> out;
    for (QFrame* lamp : t.w.Picture)
        out << lamp->palette().color(QPalette::Window);
    return out;
}

QList<QColor> paletteColours(std::initializer_list<int> numbers) {
    QList<QColor> out;
    for (int n : numbers)
        out << Wheel::paletteColor(n);
    return out;
}
} // namespace

class TestGame : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The lamps' standard sixteen-colour palette.
    void lampPalette() {
        QCOMPARE(Wheel::paletteColor(0), QColor(0, 0, 0));
        QCOMPARE(Wheel::paletteColor(6), QColor(128, 128, 0));
        QCOMPARE(Wheel::paletteColor(7), QColor(192, 192, 192));
        QCOMPARE(Wheel::paletteColor(8), QColor(128, 128, 128));
        QCOMPARE(Wheel::paletteColor(9), QColor(0, 0, 255));
        QCOMPARE(Wheel::paletteColor(15), QColor(255, 255, 255));
    }

    // A whole game: New Game draws the second pair and shows it, three spins with their
    // letters, and a right answer typed loosely; the final score is shown, the name asked,
    // the board cleared and the high-score window opened.
    void wholeGameToARightAnswer() {
        GameTable t;
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
        t.newGame(0.5);
        Form1& f = *t.form;
        const GameState& s = t.state();
        QCOMPARE(f.windowTitle(), QStringLiteral("Kazoola - Game 2 of 3"));
        QCOMPARE(t.w.lblClue->text(), QStringLiteral("Clue: KING OF THE JUNGLE"));
        QCOMPARE(t.w.lblPuzzle->text(), QStringLiteral("---    ----"));
        QCOMPARE(t.status(), statusText(0, 0, QString()));
        QVERIFY(t.w.cmdSpin->isEnabled() && t.w.cmdSolve->isEnabled() && t.lettersEnabled(true));

        t.spin(QStringLiteral("500 Points"));
        QCOMPARE(t.random.seeds.size(), 2);                        // re-seeded for the spin
        QCOMPARE(lampColours(t), paletteColours({3, 4, 5, 6, 7})); // 115 steps
        QCOMPARE(t.status(), statusText(0, 1, QStringLiteral("500 Points")));
        QVERIFY(t.w.Timer1->isActive());
        t.guess('L');
        QCOMPARE(t.w.lblPuzzle->text(), QStringLiteral("---    L---"));
        QCOMPARE(t.status(), statusText(500, 1, QStringLiteral("500 Points")));
        QVERIFY(!t.letter('L')->isEnabled());

        t.spin(QStringLiteral("Double"));
        QCOMPARE(lampColours(t), paletteColours({5, 6, 7, 8, 9}));
        t.guess('I');
        QCOMPARE(t.status(), statusText(1000, 2, QStringLiteral("Double")));
        t.spin(QStringLiteral("50 Points"));
        t.guess('T');
        QCOMPARE(t.w.lblPuzzle->text(), QStringLiteral("T--    LI--"));
        QCOMPARE(t.status(), statusText(1050, 3, QStringLiteral("50 Points")));
        QVERIFY(t.ui.calls.size() == 1); // only the open dialog so far

        // What the player sees at each box: the game is over before the message, the panel
        // shows the final score by the name prompt, and the board is clear for the table.
        QStringList seen;
        t.ui.onCall = [&](const UiCall& c) {
            if (c.kind == UiCall::Message)
                seen << QStringLiteral("message: in progress %1, status %2")
                            .arg(s.GameInProgress)
                            .arg(t.status().section(u'\r', 0, 0));
            if (c.kind == UiCall::Input && c.title == QStringLiteral("High Score?"))
                seen << QStringLiteral("name: ") + t.status() + QStringLiteral(", score %1").arg(s.Score);
            if (c.kind == UiCall::Modal)
                seen << QStringLiteral("table: board '%1', caption %2, spins %3")
                            .arg(t.w.lblPuzzle->text(), f.windowTitle())
                            .arg(s.SpinCount);
        };
        t.ui.clear();
        t.answers({QStringLiteral("  the   LION "), QStringLiteral("Ann")});
        t.w.cmdSolve->click();
        QCOMPARE(
            callSummary(t.ui.calls),
            (QStringList{QStringLiteral("input Enter Your Answer"), QStringLiteral("message congratulations"),
                         QStringLiteral("input High Score?"), QStringLiteral("window Form3")}));
        QCOMPARE(t.ui.calls[0].text, AnswerPrompt);
        QCOMPARE(t.ui.calls[1],
                 UiCall::message(QStringLiteral("You Got It!\r\n\r\nIt took 3 spin(s) for you\r\n"
                                                "to solve this 7 letter puzzle.\r\n"
                                                "Your final (adjusted) score is 2450"),
                                 QStringLiteral("congratulations")));
        QCOMPARE(t.ui.calls[2].text, NamePrompt);
        QCOMPARE(seen, (QStringList{QStringLiteral("message: in progress 0, status Current Score: 1050"),
                                    QStringLiteral("name: Final Score: 2450, score 1050"),
                                    QStringLiteral("table: board '', caption Kazoola, spins 0")}));
        verifyBoardCleared(t);
        QCOMPARE(t.status(), QStringLiteral("Final Score: 2450"));
        QVERIFY(t.w.mnuSetInfo->isEnabled());

        // A new game starts from scratch.
        t.ui.onCall = nullptr;
        t.newGame(0.0);
        QCOMPARE(f.windowTitle(), QStringLiteral("Kazoola - Game 1 of 3"));
        QCOMPARE(t.w.lblPuzzle->text(), QStringLiteral("---    ---"));
        QCOMPARE(t.status(), statusText(0, 0, QString()));
        QVERIFY(t.lettersEnabled(true));
    }

    // Once the high-score code writes hs.lst, the winner of a game is in it. (Until that code
    // is merged, RecordHighScore is a stub and this test is skipped.)
    void winnerReachesTheHighScoreFile() {
        GameTable t;
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
        t.newGame(0.0);
        t.answers({QStringLiteral("big dog"), QStringLiteral("Ann")});
        QStringList shownTopRow;
        t.ui.modalHandlers.enqueue([&](QDialog& window) {
            auto* form3 = qobject_cast<Form3*>(&window);
            QVERIFY(form3);
            for (int c = 0; c < 4; ++c)
                shownTopRow << find<QTableWidget>(*form3, QStringLiteral("MSFlexGrid1"))->item(0, c)->text();
        });
        t.w.cmdSolve->click();
        const QByteArray bytes = TestFiles::readAll(t.dir.filePath(QStringLiteral("hs.lst")));
        QCOMPARE(bytes.size(), 5260);
        QCOMPARE(bytes.left(4), QByteArray("Ann "));
        QDataStream in(bytes.mid(255, 8));
        in.setByteOrder(QDataStream::LittleEndian);
        double score = 0;
        in >> score;
        QCOMPARE(score, 60000.0); // 6 letters, no spin
        QCOMPARE(bytes.mid(271, 8), QByteArray("Animals "));
        // The window that ends the game already shows the entry just recorded.
        QCOMPARE(shownTopRow.size(), 4);
        QCOMPARE(shownTopRow.at(0), QStringLiteral("Ann"));
        QCOMPARE(shownTopRow.at(1), QStringLiteral("60000"));
        QCOMPARE(shownTopRow.at(3), QStringLiteral("Animals"));
    }

    // A wrong answer ends the game without a score: "Sorry!" with the answer as typed
    // (tidied) and the puzzle; no name is asked, the panel keeps its text.
    void wrongAnswerEndsTheGame() {
        GameTable t;
        t.load(t.writeSet(QStringLiteral("set.kazset"), threeUntidyAnimals()));
        t.newGame(0.0);
        t.spin(QStringLiteral("100 Points"));
        const QString status = t.status();
        t.ui.clear();
        t.answers({QStringLiteral("  The  Lyon ")});
        t.w.cmdSolve->click();
        QCOMPARE(callSummary(t.ui.calls),
                 (QStringList{QStringLiteral("input Enter Your Answer"), QStringLiteral("message Sorry!"),
                              QStringLiteral("window Form3")}));
        QCOMPARE(t.ui.calls[1],
                 UiCall::message(
                     QStringLiteral(
                         "Sorry, but that was not it.\r\nYou Entered: The Lyon\r\nThe Puzzle was: BIG DOG"),
                     QStringLiteral("Sorry!")));
        QCOMPARE(t.status(), status);
        verifyBoardCleared(t);
        // No entry for this game: the high-score window may make a table of default
        // entries, but none of them names the set just played.
        QVERIFY(!TestFiles::readAll(t.dir.filePath(QStringLiteral("hs.lst"))).contains("Animals"));
    }

    // Cancel (or an empty entry) at the answer prompt: the game goes on untouched, and Solve
    // can be used again; solving before any spin gives 10000 a letter.
    void cancelAtTheAnswerPromptKeepsPlaying() {
        GameTable t;
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
        t.newGame(0.0);
        t.ui.clear();
        t.w.cmdSolve->click();
        QCOMPARE(callSummary(t.ui.calls), QStringList{QStringLiteral("input Enter Your Answer")});
        QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola - Game 1 of 3"));
        QCOMPARE(t.w.lblPuzzle->text(), QStringLiteral("---    ---"));
        QVERIFY(t.w.cmdSolve->isEnabled() && t.w.cmdSpin->isEnabled() && t.lettersEnabled(true));

        t.ui.clear();
        t.answers({QStringLiteral("Big Dog"), QString()});
        t.w.cmdSolve->click();
        QCOMPARE(t.ui.calls[1].text, QStringLiteral("You Got It!\r\n\r\nIt took 0 spin(s) for you\r\n"
                                                    "to solve this 6 letter puzzle.\r\n"
                                                    "Your final (adjusted) score is 60000"));
        QCOMPARE(t.status(), QStringLiteral("Final Score: 60000"));
        QCOMPARE(callSummary(t.ui.calls).last(), QStringLiteral("window Form3"));
    }

    // "All Points Lost": the message while the hourglass still shows and the score still
    // stands, then the score is wiped, the spin counted and the player may spin at once.
    void allPointsLostWipesTheScore() {
        GameTable t;
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
        t.newGame(0.5);
        t.spin(QStringLiteral("500 Points"));
        t.guess('L');
        QCOMPARE(t.state().Score, 500.0);
        t.ui.clear();
        QString atMessage;
        t.ui.onCall = [&](const UiCall&) {
            atMessage = QStringLiteral("score %1, hourglass %2")
                            .arg(t.state().Score)
                            .arg(t.form->cursor().shape() == Qt::WaitCursor);
        };
        t.spin(QStringLiteral("All Points Lost"));
        QCOMPARE(t.ui.calls.size(), 1);
        QCOMPARE(t.ui.calls[0],
                 UiCall::message(
                     QStringLiteral("I am sorry but you have lost all of your points!\r\nPlease roll again"),
                     QStringLiteral("All Points Lost!")));
        QCOMPARE(atMessage, QStringLiteral("score 500, hourglass 1"));
        QCOMPARE(t.form->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(t.status(), statusText(0, 2, QStringLiteral("All Points Lost")));
        QCOMPARE(lampColours(t), paletteColours({6, 7, 8, 9, 10}));

        t.ui.onCall = nullptr;
        t.spin(QStringLiteral("200 Points"));
        QCOMPARE(t.status(), statusText(0, 3, QStringLiteral("200 Points")));
        QCOMPARE(t.ui.calls.size(), 1);
    }

    // The guards: a letter before a spin, a second spin before a letter, a letter that is
    // not there.
    void guardsOnLettersAndSpins() {
        GameTable t;
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
        t.newGame(0.0);
        t.ui.clear();
        t.guess('B');
        QCOMPARE(t.ui.calls.size(), 1);
        QCOMPARE(t.ui.calls[0],
                 UiCall::message(QStringLiteral("Before you can guess a letter, you must spin!"),
                                 QStringLiteral("Please Spin First")));
        QVERIFY(t.letter('B')->isEnabled());

        t.spin(QStringLiteral("100 Points"));
        const QList<QColor> lamps = lampColours(t);
        const int draws = t.random.seeds.size();
        t.ui.clear();
        t.spin(QStringLiteral("Double"));
        QCOMPARE(t.ui.calls.size(), 1);
        QCOMPARE(t.ui.calls[0],
                 UiCall::message(QStringLiteral("Please guess a letter before spinning again."),
                                 QStringLiteral("Pick A Letter")));
        QCOMPARE(lampColours(t), lamps);
        QCOMPARE(t.random.seeds.size(), draws);
        t.random.values.clear();

        const QString status = t.status();
        t.ui.clear();
        t.guess('Z');
        QCOMPARE(t.ui.calls.size(), 1);
        QCOMPARE(t.ui.calls[0], UiCall::message(QStringLiteral("I am sorry, that letter was not found!"),
                                                QStringLiteral("Letter Not Found")));
        QVERIFY(!t.letter('Z')->isEnabled());
        QCOMPARE(t.status(), status);
        t.guess('Z'); // disabled: nothing happens
        QCOMPARE(t.ui.calls.size(), 1);

        t.spin(QStringLiteral("200 Points"));
        t.guess('G');
        QCOMPARE(t.w.lblPuzzle->text(), QStringLiteral("--G    --G"));
        QCOMPARE(t.status(), statusText(400, 2, QStringLiteral("200 Points")));
    }

    // With every letter showing, Spin says so and goes straight to Solve, with no wheel step.
    void allLettersShowingLeadsToSolve() {
        GameTable t;
        t.load(
            t.writeSet(QStringLiteral("ox.kazset"), {{QStringLiteral("farm animal"), QStringLiteral("Ox")}}));
        t.newGame();
        t.spin(QStringLiteral("100 Points"));
        t.guess('O');
        t.spin(QStringLiteral("100 Points"));
        t.guess('X');
        QCOMPARE(t.w.lblPuzzle->text(), QStringLiteral("OX"));
        const int seeds = t.random.seeds.size();
        t.ui.clear();
        t.answers({QStringLiteral("ox"), QStringLiteral("Bo")});
        t.w.cmdSpin->click();
        QCOMPARE(
            callSummary(t.ui.calls),
            (QStringList{QStringLiteral("message All Letters Are Showing"),
                         QStringLiteral("input Enter Your Answer"), QStringLiteral("message congratulations"),
                         QStringLiteral("input High Score?"), QStringLiteral("window Form3")}));
        QCOMPARE(t.ui.calls[0].text,
                 QStringLiteral(
                     "All of the letters in the puzzle have been uncovered.  Please solve the puzzle!"));
        QCOMPARE(t.random.seeds.size(), seeds);
        QVERIFY(t.ui.calls[2].text.contains(
            QStringLiteral("It took 2 spin(s) for you\r\nto solve this 2 letter")));
        QVERIFY(t.ui.calls[2].text.endsWith(QStringLiteral("score is 200"))); // 2 x 200 / 2
    }

    // New Game without a set only says so; during a game it asks first: No leaves the game
    // exactly as it was, Yes starts a fresh one with a new draw.
    void newGameWithoutASetAndDuringAGame() {
        GameTable t;
        t.newGame();
        QCOMPARE(t.ui.calls.size(), 1);
        QCOMPARE(t.ui.calls[0],
                 UiCall::message(
                     QStringLiteral("There is not a Game Set Loaded!\r\nPlease load a game set first!"),
                     QStringLiteral("No Game Set Loaded!"), MsgButtons::Ok, MsgIcon::Stop));
        QVERIFY(!t.state().GameInProgress);
        QVERIFY(!t.w.cmdSpin->isEnabled() && t.lettersEnabled(false));
        QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola"));
        t.random.values.clear();

        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
        t.newGame(0.5);
        t.spin(QStringLiteral("300 Points"));
        t.guess('E');
        const GameState before = t.state();
        const QString status = t.status();
        t.ui.clear();
        t.newGame(0.9); // answered No
        QCOMPARE(t.ui.calls.size(), 1);
        QCOMPARE(t.ui.calls[0], ReallyQuitBox);
        QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola - Game 2 of 3"));
        QCOMPARE(t.state().BoardText, before.BoardText);
        QCOMPARE(t.state().Score, 300.0);
        QCOMPARE(t.state().SpinCount, std::int16_t(1));
        QCOMPARE(t.status(), status);
        QVERIFY(!t.letter('E')->isEnabled());
        t.random.values.clear();

        t.ui.messageAnswers.enqueue(MsgResult::Yes);
        t.newGame(0.9);
        QCOMPARE(t.form->windowTitle(), QStringLiteral("Kazoola - Game 3 of 3"));
        QCOMPARE(t.w.lblPuzzle->text(), QStringLiteral("--------"));
        QCOMPARE(t.w.lblClue->text(), QStringLiteral("Clue: SLOW, WITH A SHELL"));
        QCOMPARE(t.status(), statusText(0, 0, QString()));
        QVERIFY(t.lettersEnabled(true));
        QVERIFY(!t.state().HasSpun);
    }

    // The arrow blinks five times on Timer1 and is left showing; a spin in the middle stops
    // the blinking without resetting the count, so the next blinking ends sooner.
    void arrowBlinksFiveTimesAfterASpin() {
        GameTable t;
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
        t.newGame();
        t.spin(QStringLiteral("100 Points"));
        Form1& f = *t.form;
        QVERIFY(t.w.Timer1->isActive());
        for (int tick = 1; tick <= 10; ++tick) {
            t.w.tick();
            QCOMPARE(t.w.picArrow->isHidden(), tick % 2 == 1 && tick < 10);
        }
        QVERIFY(!t.w.Timer1->isActive());
        QCOMPARE(f.blinkCount(), 0);

        t.guess('B');
        t.spin(QStringLiteral("100 Points"));
        for (int tick = 0; tick < 3; ++tick)
            t.w.tick();
        QVERIFY(t.w.picArrow->isHidden());
        t.guess('I');
        t.spin(QStringLiteral("100 Points"));
        QVERIFY(!t.w.picArrow->isHidden());
        QCOMPARE(f.blinkCount(), 3);
        QVERIFY(t.w.Timer1->isActive());
        for (int tick = 0; tick < 7; ++tick)
            t.w.tick();
        QVERIFY(!t.w.Timer1->isActive());
        QVERIFY(!t.w.picArrow->isHidden());
    }

    // While the wheel turns, Spin, Solve, the letters, New Game and Load do nothing; the
    // hourglass shows and the lamps turn.
    void wheelCannotBeReEntered() {
        GameTable t;
        const QString path = t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals());
        t.load(path);
        t.newGame();
        t.ui.clear();
        bool acted = false;
        QString during;
        t.pace.onFrame = [&] {
            if (acted || t.pace.frames < 10)
                return;
            acted = true;
            Form1& f = *t.form;
            during = QStringLiteral("spinning %1, hourglass %2")
                         .arg(f.isSpinning())
                         .arg(f.cursor().shape() == Qt::WaitCursor);
            QVERIFY(lampColours(t) != paletteColours({0, 1, 2, 3, 4})); // the lamps have turned
            t.ui.fileAnswers.enqueue(path);
            t.ui.inputAnswers.enqueue(QStringLiteral("big dog"));
            t.w.cmdSpin->click();
            t.w.cmdSolve->click();
            t.guess('B');
            t.w.mnuGame->trigger();
            t.w.mnuLoad->trigger();
        };
        t.spin(QStringLiteral("400 Points"));
        QCOMPARE(during, QStringLiteral("spinning 1, hourglass 1"));
        QVERIFY(t.ui.calls.isEmpty());
        QCOMPARE(t.state().SpinCount, std::int16_t(1));
        QCOMPARE(t.state().SpinValue, QStringLiteral("400 Points"));
        QVERIFY(t.state().GameInProgress);
        QVERIFY(t.letter('B')->isEnabled());
        QVERIFY(!t.form->isSpinning());
        QCOMPARE(t.form->cursor().shape(), Qt::ArrowCursor);
    }

    // Closing the window while the wheel turns asks the quit question; No lets the spin
    // finish, Yes stops it at once with no result and the window closes.
    void closingDuringASpin_data() {
        QTest::addColumn<bool>("quit");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void closingDuringASpin() {
        QFETCH(bool, quit);
        {
            GameTable t;
            t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
            t.newGame();
            t.form->show();
            t.ui.clear();
            if (quit)
                t.ui.messageAnswers.enqueue(MsgResult::Yes);
            // The close arrives as an event while the wheel turns.
            QTimer::singleShot(0, t.form.get(), &QWidget::close);
            t.spin(QStringLiteral("500 Points"));
            QCOMPARE(t.ui.calls.size(), 1);
            QCOMPARE(t.ui.calls[0], ReallyQuitBox);
            QVERIFY(!t.form->isSpinning());
            QCOMPARE(t.form->cursor().shape(), Qt::ArrowCursor);
            if (quit) {
                QVERIFY(!t.form->isVisible());
                QCOMPARE(t.state().SpinCount, std::int16_t(0));
                QVERIFY(!t.state().HasSpun);
                QVERIFY(!t.w.Timer1->isActive());
            } else {
                QVERIFY(t.form->isVisible());
                QCOMPARE(t.state().SpinCount, std::int16_t(1));
                QCOMPARE(t.state().SpinValue, QStringLiteral("500 Points"));
            }
        }
    }

    // A long board wraps only at the gaps between its words, never after a dash inside a
    // word, and every line fits the label.
    void boardWrapsOnlyBetweenWords() {
        GameTable t;
        const QString puzzle = QStringLiteral("Do Not Count Your Chickens Before They Hatch");
        t.load(t.writeSet(QStringLiteral("s.kazset"), {{QStringLiteral("saying"), puzzle}}));
        t.newGame();
        t.spin(QStringLiteral("100 Points"));
        t.guess('A');
        t.spin(QStringLiteral("100 Points"));
        t.guess('N');
        const BoardLabel* board = t.w.lblPuzzle;
        QCOMPARE(board->text(), t.state().BoardText);
        const QStringList lines = board->lines();
        QVERIFY(lines.size() >= 2);
        const QStringList words = t.state().BoardText.split(QStringLiteral("    "));
        QStringList wordsByLine;
        for (const QString& line : lines) {
            QVERIFY2(!line.startsWith(u' ') && !line.endsWith(u' '), qPrintable(line));
            QVERIFY(board->fontMetrics().horizontalAdvance(line) <= board->contentsRect().width());
            wordsByLine += line.split(QStringLiteral("    "));
        }
        QCOMPARE(wordsByLine, words);
    }

    // A clue or board too long for its label is shown whole in a smaller font; a short one
    // keeps the designed size.
    void longCluesAndBoardsShrinkToFit() {
        GameTable t;
        const QString longClue =
            QStringLiteral("A saying about patience and the way good things come to those who "
                           "are willing to wait for them");
        t.load(t.writeSet(QStringLiteral("s.kazset"),
                          {{QStringLiteral("short"), QStringLiteral("Ox")}, {longClue, QString(75, u'W')}}));
        t.newGame(0.0);
        QCOMPARE(t.w.lblClue->font().pointSizeF(), 9.75);
        QCOMPARE(t.w.lblPuzzle->font().pointSizeF(), 12.0);
        t.ui.messageAnswers.enqueue(MsgResult::Yes);
        t.newGame(0.9);
        for (QLabel* label : std::initializer_list<QLabel*>{t.w.lblClue, t.w.lblPuzzle}) {
            QVERIFY(label->font().pointSizeF() < (label == t.w.lblClue ? 9.75 : 12.0));
            const QRect needed = QFontMetrics(label->font())
                                     .boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
            QVERIFY(needed.height() <= label->contentsRect().height());
        }
    }

    // A spin is shown over 2 to 3 seconds, a frame every FrameMs, fast at first and slow at
    // the end, with the steps, lamps and result of the unpaced wheel.
    void spinIsPacedWithAnEaseOut() {
        const int tenth = Wheel::SpinMs / 10;
        for (int steps : {101, 1101, 40000}) {
            QVERIFY(Wheel::stepsShownAt(tenth, steps) > steps / 5); // fast at first, slow at the end
            QVERIFY(steps - Wheel::stepsShownAt(Wheel::SpinMs - tenth, steps) < steps / 20);
            QVERIFY(Wheel::stepsShownAt(Wheel::SpinMs - 1, steps) <
                    Wheel::stepsShownAt(Wheel::SpinMs, steps));
        }
        GameTable t;
        t.load(t.writeSet(QStringLiteral("animals.kazset"), threeUntidyAnimals()));
        t.newGame();
        t.random.values.fill(0.5, 16 * 60); // 60 more turns of the ring
        t.spin(QStringLiteral("50 Points"));
        QCOMPARE(t.state().SpinValue, QStringLiteral("50 Points"));
        QCOMPARE(lampColours(t), paletteColours({4, 5, 6, 7, 8})); // after 101 + 975 steps
        QCOMPARE(t.w.Picture[2]->accessibleName(), QStringLiteral("Lamp 3 of 5: dark yellow"));
        const qint64 shownMs = t.pace.frames * t.pace.frameMs;
        QVERIFY2(shownMs >= 2000 && shownMs <= 3000 && t.pace.frames >= shownMs / 20,
                 qPrintable(QString::number(shownMs)));
    }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
