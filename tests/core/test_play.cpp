// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The steps of play without a window: New Game, loading a set, the wheel's result, letter
// guesses and solving, each by the state it leaves and what it hands the window to show.
#include "CoreDoubles.h"
#include "GameSetFile.h"
#include "Play.h"

#include <QtTest>

namespace {
GameState loaded(const QList<PuzzleEntry>& pairs) {
    GameState s;
    GameSet set;
    set.title = QStringLiteral("Animals");
    set.pairs = pairs;
    KazMod::loadGameSet(s, set);
    return s;
}

// A game of the one pair, started.
GameState playing(const QString& puzzle) {
    GameState s = loaded({{QStringLiteral("clue"), puzzle}});
    ScriptedRandom random;
    KazMod::NewGame(s, random, FixedClock());
    return s;
}

Wheel::Result resultOf(const QString& value) {
    return {value, value == QLatin1String("All Points Lost")};
}
} // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    // New Game asks for a set, then whether to abandon a running game; it reseeds from the
    // clock, draws a pair, tidies it in its slot and hides it; score, spins and value start over.
    void newGameDrawsAndHidesAPair() {
        GameState s;
        QCOMPARE(KazMod::newGameQuestion(s), GameMessage::NoSetLoaded);
        s = loaded({{QStringLiteral("It barks at the mailman"), QStringLiteral("Big Dog")},
                    {QStringLiteral("  king of   the jungle"), QStringLiteral("the   lion ")},
                    {QStringLiteral("Slow, with a shell"), QStringLiteral("Tortoise")}});
        QCOMPARE(KazMod::newGameQuestion(s), GameMessage::None);
        s.SpinCount = 4;
        s.Score = 900;
        s.SpinValue = QStringLiteral("Double");
        s.HasSpun = true;
        ScriptedRandom random;
        random.values << 0.5;
        FixedClock clock;
        clock.seconds = 4321.5;
        const PlayOutcome started = KazMod::NewGame(s, random, clock);
        QCOMPARE(random.seeds, QList<double>{4321.5});
        QCOMPARE(started.gameNumber, 2);
        QCOMPARE(started.board, BoardView::NewPuzzle);
        QCOMPARE(started.controls, PlayControls::AllOn);
        QCOMPARE(s.CurrentPuzzle, QStringLiteral("THE LION"));
        QCOMPARE(s.CurrentClue, QStringLiteral("KING OF THE JUNGLE"));
        QCOMPARE(s.Puzzles[1].Puzzle, QStringLiteral("the lion"));
        QCOMPARE(s.Puzzles[1].Clue, QStringLiteral("king of the jungle"));
        QCOMPARE(s.BoardText, QStringLiteral("---    ----"));
        QVERIFY(s.GameInProgress && !s.HasSpun && s.SpinValue.isEmpty());
        QCOMPARE(s.SpinCount, std::int16_t(0));
        QCOMPARE(s.Score, 0.0);
        QCOMPARE(KazMod::newGameQuestion(s), GameMessage::ReallyQuit);
        QCOMPARE(KazMod::abandonQuestion(s), GameMessage::ReallyQuit);
    }

    // Loading ends any game (score and spins back to 0) and keeps the last spin's value.
    void loadingASetEndsAnyGame() {
        GameState s = playing(QStringLiteral("OX"));
        s.SpinCount = 2;
        s.Score = 300;
        s.SpinValue = QStringLiteral("Double");
        const PlayOutcome done = KazMod::loadGameSet(s, GameSet{QStringLiteral("Birds"), {}, {}, {}, {}});
        QVERIFY(s.SetLoaded && !s.GameInProgress);
        QCOMPARE(s.SetTitle, QStringLiteral("Birds"));
        QCOMPARE(s.SpinCount, std::int16_t(0));
        QCOMPARE(s.Score, 0.0);
        QCOMPARE(s.SpinValue, QStringLiteral("Double"));
        QCOMPARE(done.board, BoardView::NoGame);
        QCOMPARE(done.controls, PlayControls::AllOff);
        QCOMPARE(KazMod::abandonQuestion(s), GameMessage::None);
    }

    // Each result is counted and shown in the panel, then scores the letter guessed with it;
    // "All Points Lost" is announced while the score still stands, wipes it and asks for
    // another spin. The spin counter stops at its ceiling.
    void wheelResultsScoreTheirLetters_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<int>("spinsBefore");
        QTest::addColumn<double>("scoreBefore");
        QTest::addColumn<int>("spinsAfter");
        QTest::addColumn<double>("scoreAfter"); // after the spin and a guess of A
        const QString banana = QStringLiteral("BANANA");
        const QList<std::pair<QString, double>> results = {
            {QStringLiteral("100 Points"), 300},  {QStringLiteral("200 Points"), 600},
            {QStringLiteral("300 Points"), 900},  {QStringLiteral("400 Points"), 1200},
            {QStringLiteral("500 Points"), 1500}, {QStringLiteral("50 Points"), 150},
            {QStringLiteral("Double"), 0}};
        for (const auto& [result, score] : results)
            QTest::newRow(qPrintable(result)) << result << banana << 0 << 0.0 << 1 << score;
        QTest::newRow("75 letters") << QStringLiteral("500 Points") << QString(75, u'A') << 0 << 0.0 << 1
                                    << 37500.0;
        QTest::newRow("All Points Lost")
            << QStringLiteral("All Points Lost") << banana << 1 << 1250.0 << 2 << 0.0;
        QTest::newRow("ceiling") << QStringLiteral("Double") << banana << 32767 << 10.0 << 32767 << 20.0;
    }
    void wheelResultsScoreTheirLetters() {
        QFETCH(QString, result);
        QFETCH(QString, puzzle);
        QFETCH(int, spinsBefore);
        QFETCH(double, scoreBefore);
        QFETCH(int, spinsAfter);
        QFETCH(double, scoreAfter);
        GameState s = playing(puzzle);
        s.SpinCount = static_cast<std::int16_t>(spinsBefore);
        s.Score = scoreBefore;
        QCOMPARE(KazMod::spinRefusal(s), GameMessage::None);
        const bool lost = result == QLatin1String("All Points Lost");

        const PlayOutcome stopped = KazMod::wheelStopped(s, resultOf(result));
        QCOMPARE(s.SpinCount, std::int16_t(spinsAfter));
        QCOMPARE(s.Score, scoreBefore);
        QCOMPARE(stopped.message, lost ? GameMessage::AllPointsLost : GameMessage::None);
        QCOMPARE(stopped.sound, lost ? std::optional(GameSound::AllPointsLost) : std::nullopt);
        const PlayOutcome taken = KazMod::takeSpinResult(s, resultOf(result));
        QCOMPARE(s.SpinValue, result);
        QCOMPARE(s.HasSpun, !lost);
        QCOMPARE(taken.spoken, SpokenOutcome::SpinResult);
        QCOMPARE(taken.spokenArgs, QStringList{result});
        QVERIFY(taken.statusChanged);

        const PlayOutcome guessed = KazMod::guessLetter(s, 0);
        QCOMPARE(s.Score, scoreAfter);
        QCOMPARE(KazMod::statusText(s),
                 QStringLiteral("Current Score: %1\r\n# Of Spins So Far: %2\r\nSpin Value: %3")
                     .arg(scoreAfter)
                     .arg(spinsAfter)
                     .arg(result));
        if (lost) {
            QCOMPARE(guessed.message, GameMessage::SpinFirst);
            return;
        }
        QCOMPARE(s.BoardText, QString(puzzle).replace(u'B', u'-').replace(u'N', u'-'));
        QCOMPARE(guessed.sound, std::optional(GameSound::Chime));
        QCOMPARE(guessed.board, BoardView::Revealed);
        QCOMPARE(guessed.controls, PlayControls::GuessedLetterOff);
        QCOMPARE(guessed.spoken, SpokenOutcome::LetterFound);
        QCOMPARE(guessed.spokenArgs, (QStringList{QStringLiteral("A"), QString::number(puzzle.count(u'A'))}));
    }

    // The guards: no letter before a spin, no second spin before a letter, no spin with every
    // letter showing; a letter that is not there costs the spin and nothing else.
    void guardsAndMisses() {
        GameState s = playing(QStringLiteral("BIG DOG"));
        const PlayOutcome early = KazMod::guessLetter(s, 1);
        QCOMPARE(early.message, GameMessage::SpinFirst);
        QCOMPARE(early.controls, PlayControls::Unchanged);
        QCOMPARE(s.BoardText, QStringLiteral("---    ---"));

        KazMod::takeSpinResult(s, resultOf(QStringLiteral("100 Points")));
        QCOMPARE(KazMod::spinRefusal(s), GameMessage::PickALetter);
        const PlayOutcome miss = KazMod::guessLetter(s, 25);
        QCOMPARE(miss.message, GameMessage::LetterNotFound);
        QCOMPARE(miss.sound, std::optional(GameSound::Miss));
        QCOMPARE(miss.controls, PlayControls::GuessedLetterOff);
        QCOMPARE(miss.spokenArgs, QStringList{QStringLiteral("Z")});
        QVERIFY(!miss.statusChanged && !s.HasSpun);
        QCOMPARE(s.Score, 0.0);
        QCOMPARE(s.SpinValue, QStringLiteral("100 Points"));
        QCOMPARE(KazMod::spinRefusal(s), GameMessage::None);

        s.BoardText = QStringLiteral("BIG    DOG");
        QVERIFY(KazMod::allLettersShowing(s));
        QCOMPARE(KazMod::spinRefusal(s), GameMessage::AllLettersShowing);
    }

    // Solving: the empty text changes nothing; any other answer ends the game. A right one
    // (case and spacing aside) earns the final score, a wrong one (punctuation counts, blanks
    // only are not empty) shows the answer tidied and the puzzle.
    void solving_data() {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<GameMessage>("message");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("empty") << QStringLiteral("The Lion") << QString() << GameMessage::None
                               << QStringList();
        QTest::newRow("right") << QStringLiteral("The Lion") << QStringLiteral("  the   LION ")
                               << GameMessage::Congratulations
                               << QStringList{QStringLiteral("3"), QStringLiteral("7"),
                                              QStringLiteral("2450")};
        QTest::newRow("blanks") << QStringLiteral("Big Dog") << QStringLiteral("   ") << GameMessage::Sorry
                                << QStringList{QString(), QStringLiteral("BIG DOG")};
        QTest::newRow("punctuation") << QStringLiteral("It's") << QStringLiteral("its") << GameMessage::Sorry
                                     << QStringList{QStringLiteral("its"), QStringLiteral("IT'S")};
    }
    void solving() {
        QFETCH(QString, puzzle);
        QFETCH(QString, answer);
        QFETCH(GameMessage, message);
        QFETCH(QStringList, args);
        GameState s = playing(puzzle);
        s.SpinCount = 3;
        s.Score = 1050;
        QVERIFY(KazMod::canSolve(s));
        const PlayOutcome solved = KazMod::Solve(s, answer);
        QCOMPARE(solved.message, message);
        QCOMPARE(solved.messageArgs, args);
        QCOMPARE(s.GameInProgress, message == GameMessage::None);
        QCOMPARE(solved.finalScore.has_value(), message == GameMessage::Congratulations);
        if (solved.finalScore)
            QCOMPARE(*solved.finalScore, 2450.0);
        QCOMPARE(s.Score, 1050.0); // the high-score table sees the running score too
    }
};

QTEST_GUILESS_MAIN(TestPlay)
#include "test_play.moc"
