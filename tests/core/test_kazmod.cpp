// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's rules without a window: normalising puzzles, the board and RevealLetter, the
// draw of a slot, installing a set, the wheel ring and its results, scoring and the final score.
#include "Clock.h"
#include "GameSetFile.h"
#include "KazMod.h"
#include "OleDate.h"
#include "Scoring.h"
#include "TextFormat.h"
#include "Wheel.h"

#include <QtTest>
#include <cmath>

namespace {
class QueuedRandom : public RandomSource {
public:
    QList<double> values;
    int draws = 0;
    void reseed(double) override {}
    double next() override { return draws < values.size() ? values.at(draws++) : (++draws, 0.0); }
};

GameState boardOf(const QString& puzzle) {
    GameState s;
    s.CurrentPuzzle = puzzle;
    s.BoardText = KazMod::buildBoard(puzzle);
    return s;
}
} // namespace

class TestKazMod : public QObject {
    Q_OBJECT
private slots:
    // The argument is trimmed of blanks and its runs of blanks shrink to one, in its own case;
    // the result is the same text in upper case. Only the blank counts as a blank.
    void normalizeTrimsCollapsesAndUppercases() {
        QString text = QStringLiteral("the   cat ");
        QCOMPARE(KazMod::NormalizePuzzleText(text), QStringLiteral("THE CAT"));
        QCOMPARE(text, QStringLiteral("the cat"));

        QString mixed = QStringLiteral("  Big  Dog");
        QCOMPARE(KazMod::NormalizePuzzleText(mixed), QStringLiteral("BIG DOG"));
        QCOMPARE(mixed, QStringLiteral("Big Dog"));

        QString tabs = QStringLiteral("\ta\t  b\t");
        QCOMPARE(KazMod::NormalizePuzzleText(tabs), QStringLiteral("\tA\t B\t"));

        QString blanks = QStringLiteral("     ");
        QCOMPARE(KazMod::NormalizePuzzleText(blanks), QString());
        QCOMPARE(blanks, QString());

        QString longRun = QStringLiteral("a") + QString(5000, u' ') + QStringLiteral("b  c");
        QCOMPARE(KazMod::NormalizePuzzleText(longRun), QStringLiteral("A B C"));

        QString accents = QStringLiteral("caf\u00e9");
        QCOMPARE(KazMod::NormalizePuzzleText(accents), QStringLiteral("CAF\u00c9"));

        QString sharpS = QStringLiteral("Stra\u00dfe"); // no single upper-case form: the length stays
        QCOMPARE(KazMod::NormalizePuzzleText(sharpS), QStringLiteral("STRA\u00dfE"));
        QCOMPARE(TextFormat::trimBlanks(QStringLiteral("  x y \t ")), QStringLiteral("x y \t"));
    }

    // Every character but the blank starts hidden; word gaps are four blanks wide.
    void boardHidesEverythingButTheGaps() {
        QCOMPARE(KazMod::buildBoard(QStringLiteral("THE CAT")), QStringLiteral("---    ---"));
        QCOMPARE(KazMod::buildBoard(QStringLiteral("IT'S A-OK")), QStringLiteral("----    ----"));
        QCOMPARE(KazMod::buildBoard(QString()), QString());
    }

    // Every occurrence is uncovered and counted, exactly (case-sensitive); a letter that is
    // not there leaves the board alone; one already showing counts again.
    void revealLetterUncoversEveryOccurrence() {
        GameState s = boardOf(QStringLiteral("THE CAT"));
        QCOMPARE(KazMod::RevealLetter(s, QStringLiteral("T")), std::int16_t(2));
        QCOMPARE(s.BoardText, QStringLiteral("T--    --T"));
        QCOMPARE(KazMod::RevealLetter(s, QStringLiteral("Q")), std::int16_t(0));
        QCOMPARE(s.BoardText, QStringLiteral("T--    --T"));
        QCOMPARE(KazMod::RevealLetter(s, QStringLiteral("t")), std::int16_t(0));
        QCOMPARE(KazMod::RevealLetter(s, QStringLiteral("A")), std::int16_t(1));
        QCOMPARE(s.BoardText, QStringLiteral("T--    -AT"));
        QCOMPARE(KazMod::RevealLetter(s, QStringLiteral("T")), std::int16_t(2));
        QCOMPARE(s.BoardText, QStringLiteral("T--    -AT"));
        QCOMPARE(KazMod::RevealLetter(s, QStringLiteral("TH")), std::int16_t(0));
        QCOMPARE(s.CurrentPuzzle, QStringLiteral("THE CAT"));

        GameState words = boardOf(QStringLiteral("A BB A"));
        QCOMPARE(KazMod::RevealLetter(words, QStringLiteral("A")), std::int16_t(2));
        QCOMPARE(words.BoardText, QStringLiteral("A    --    A"));
        QCOMPARE(KazMod::RevealLetter(words, QStringLiteral("B")), std::int16_t(2));
        QCOMPARE(words.BoardText, QStringLiteral("A    BB    A"));
        QVERIFY(!words.BoardText.contains(u'-'));

        // A character no button can name stays hidden for good.
        GameState odd = boardOf(QStringLiteral("A-1"));
        QCOMPARE(KazMod::RevealLetter(odd, QStringLiteral("A")), std::int16_t(1));
        QCOMPARE(odd.BoardText, QStringLiteral("A--"));
    }

    // Each slot of the set is equally likely, and a draw just below 1 stays inside the set.
    void drawPicksEverySlotEquallyOften() {
        for (int count : {1, 7, 12, 101}) {
            QList<int> hits(count, 0);
            const int perSlot = 200;
            for (int i = 0; i < count * perSlot; ++i)
                ++hits[KazMod::drawSlot((i + 0.5) / (count * perSlot), count)];
            QCOMPARE(hits, QList<int>(count, perSlot));
            QCOMPARE(KazMod::drawSlot(std::nextafter(1.0, 0.0), count), count - 1);
            QCOMPARE(KazMod::drawSlot(0.0, count), 0);
        }
        QCOMPARE(KazMod::drawSlot(0.999, 0), 0);
    }

    // The spin counter stops at its ceiling instead of turning negative.
    void spinCountStopsAtItsCeiling() {
        QCOMPARE(KazMod::nextSpinCount(0), std::int16_t(1));
        QCOMPARE(KazMod::nextSpinCount(32766), std::int16_t(32767));
        QCOMPARE(KazMod::nextSpinCount(32767), std::int16_t(32767));
    }

    // A set read from its file fills the set fields and its slots; later slots are left alone.
    void installingASetFillsItsFieldsAndSlots() {
        GameState s;
        s.Puzzles[2] = {QStringLiteral("old clue"), QStringLiteral("old puzzle")};
        GameSet set;
        set.title = QStringLiteral("Animals");
        set.author = QStringLiteral("Ann");
        set.date = QDate(2001, 2, 25);
        set.info = QStringLiteral("Some animals");
        set.pairs = {{QStringLiteral("barks"), QStringLiteral("Big Dog")},
                     {QStringLiteral("roars"), QStringLiteral("Lion")}};
        KazMod::installGameSet(s, set);
        QCOMPARE(s.SetTitle, QStringLiteral("Animals"));
        QCOMPARE(s.SetAuthor, QStringLiteral("Ann"));
        QCOMPARE(s.SetDate, 36947.0);
        QCOMPARE(s.SetInfo, QStringLiteral("Some animals"));
        QCOMPARE(s.PuzzleCount, std::int16_t(2));
        QCOMPARE(s.Puzzles[1].Puzzle, QStringLiteral("Lion"));
        QCOMPARE(s.Puzzles[2].Clue, QStringLiteral("old clue"));
    }

    // After k steps slot j holds (j + k) mod 16; each lamp takes its right neighbour's colour.
    void ringTurnsOnePlaceLeftAStep() {
        Wheel::Ring ring;
        for (int k = 0; k <= 40; ++k) {
            for (int j = 0; j < Wheel::RingSize; ++j)
                QCOMPARE(ring.slot(j), (j + k) % 16);
            ring.step();
        }
    }

    // With the first draw at or below 0.001 the wheel stops after 101 steps on Double, the
    // lamps showing 5 to 9; each draw above it costs one more step. The draw is single
    // precision: the double 0.001 rounds to the float just above 0.001 and does not stop it.
    void wheelStopsAfter101StepsAndThenByChance() {
        QueuedRandom random;
        Wheel::Ring ring;
        int steps = 0;
        QVERIFY(Wheel::turn(ring, random, [&](const Wheel::Ring&) { return ++steps, true; }));
        QCOMPARE(steps, 101);
        QCOMPARE(random.draws, 1);
        for (int j = 0; j < Wheel::LampCount; ++j)
            QCOMPARE(ring.slot(j), 5 + j);
        QCOMPARE(Wheel::resultFor(ring.middle()).spinValue, QStringLiteral("Double"));

        QueuedRandom later;
        later.values = {0.5, 0.9999, 0.001, 0.0009999};
        Wheel::Ring ring2;
        steps = 0;
        QVERIFY(Wheel::turn(ring2, later, [&](const Wheel::Ring&) { return ++steps, true; }));
        QCOMPARE(steps, 104);
        QCOMPARE(ring2.middle(), (2 + 104) % 16);

        // A step that answers false stops the wheel at once, without a result.
        QueuedRandom stopped;
        Wheel::Ring ring3;
        steps = 0;
        QVERIFY(!Wheel::turn(ring3, stopped, [&](const Wheel::Ring&) { return ++steps < 7; }));
        QCOMPARE(steps, 7);
        QCOMPARE(stopped.draws, 0);
    }

    // The result by the colour in the middle lamp; c and c + 8 are worth the same.
    void resultTableByMiddleColour() {
        const QStringList values = {QStringLiteral("All Points Lost"), QStringLiteral("100 Points"),
                                    QStringLiteral("200 Points"),      QStringLiteral("300 Points"),
                                    QStringLiteral("400 Points"),      QStringLiteral("500 Points"),
                                    QStringLiteral("50 Points"),       QStringLiteral("Double")};
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(Wheel::resultFor(c).spinValue, values.at(c % 8));
            QCOMPARE(Wheel::resultFor(c).allPointsLost, c % 8 == 0);
        }
    }

    // Points per found letter by the first three characters of the spin value, "500" before
    // "50 "; Double doubles whatever was found; no count of letters can overflow the points.
    void scoringTableInItsOrder() {
        QCOMPARE(Scoring::scoreAfterGuess(0, QStringLiteral("500 Points"), 3), 1500.0);
        QCOMPARE(Scoring::scoreAfterGuess(10, QStringLiteral("50 Points"), 2), 110.0);
        QCOMPARE(Scoring::scoreAfterGuess(0, QStringLiteral("100 Points"), 1), 100.0);
        QCOMPARE(Scoring::scoreAfterGuess(0, QStringLiteral("200 Points"), 2), 400.0);
        QCOMPARE(Scoring::scoreAfterGuess(0, QStringLiteral("300 Points"), 1), 300.0);
        QCOMPARE(Scoring::scoreAfterGuess(0, QStringLiteral("400 Points"), 4), 1600.0);
        QCOMPARE(Scoring::scoreAfterGuess(250, QStringLiteral("Double"), 3), 500.0);
        QCOMPARE(Scoring::scoreAfterGuess(0, QStringLiteral("Double"), 1), 0.0);
        QCOMPARE(Scoring::scoreAfterGuess(700, QStringLiteral("All Points Lost"), 2), 700.0);
        QCOMPARE(Scoring::scoreAfterGuess(700, QString(), 2), 700.0);
        QCOMPARE(Scoring::scoreAfterGuess(0, QStringLiteral("500 Points"), 75), 37500.0);
        QCOMPARE(Scoring::scoreAfterGuess(0, QStringLiteral("500 Points"), 32767), 16383500.0);
    }

    // F is L x 10000 before any spin, otherwise L x Score / SpinCount rounded down.
    void finalScoreFromLettersScoreAndSpins() {
        QCOMPARE(Scoring::letterCount(QStringLiteral("BIG DOG")), 6);
        QCOMPARE(Scoring::letterCount(QStringLiteral("ABCD EFGHI")), 9);
        QCOMPARE(Scoring::finalScore(10, 450, 3), 1500.0);
        QCOMPARE(Scoring::finalScore(10, 450, 0), 100000.0);
        QCOMPARE(Scoring::finalScore(3, 100, 7), 42.0);
        QCOMPARE(Scoring::finalScore(7, 0, 4), 0.0);
        QCOMPARE(Scoring::finalScore(300000, 0, 0), 3000000000.0); // beyond 32 bits
        QCOMPARE(Scoring::integerText(3000000000.0), QStringLiteral("3000000000"));
        QCOMPARE(Scoring::integerText(0.0), QStringLiteral("0"));
        QCOMPARE(Scoring::finalScoreStatus(2450), QStringLiteral("Final Score: 2450"));
    }

    // Case never matters in an answer, punctuation does; letters are upper-cased one by one.
    void answersCompareInUpperCase() {
        QVERIFY(Scoring::isRightAnswer(QStringLiteral("the lion"), QStringLiteral("THE LION")));
        QVERIFY(!Scoring::isRightAnswer(QStringLiteral("its"), QStringLiteral("IT'S")));
        QVERIFY(!Scoring::isRightAnswer(QString(), QStringLiteral("A")));
        QVERIFY(Scoring::isRightAnswer(QStringLiteral("stra\u00DFe"), QStringLiteral("STRA\u00DFE")));
        QVERIFY(!Scoring::isRightAnswer(QStringLiteral("strasse"), QStringLiteral("STRA\u00DFE")));
    }
};

QTEST_GUILESS_MAIN(TestKazMod)
#include "test_kazmod.moc"
