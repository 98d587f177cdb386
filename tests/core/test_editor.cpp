// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's rules without a window: the letter filter, closing gaps, the empty and
// spacing checks for a new pair, what Save makes of the text boxes, and the layout of the
// main window for a given outer size.
#include "CreateLayout.h"
#include "KazCreateMod.h"

#include <QtTest>

using namespace KazCreateMod;

namespace {
// A puzzle of the given length made of letters, with blanks at the given 1-based positions.
QString puzzleOf(int length, std::initializer_list<int> blanksAt) {
    QString p(length, u'x');
    for (int pos : blanksAt)
        p[pos - 1] = u' ';
    return p;
}

PuzzleTable tableOf(std::initializer_list<const char*> clues) {
    PuzzleTable t;
    int i = 0;
    for (const char* c : clues) {
        t[i].Clue = QString::fromLatin1(c);
        t[i].Puzzle = QString::fromLatin1(c).toUpper();
        ++i;
    }
    return t;
}
} // namespace

class TestEditorRules : public QObject {
    Q_OBJECT
private slots:
    // Everything but the 52 ASCII letters becomes a blank in place; only the ends are trimmed.
    void blankNonLettersKeepsOnlyLettersAndInnerBlanks() {
        QCOMPARE(BlankNonLetters(QStringLiteral("It's 4 U!")), QStringLiteral("It s   U"));
        QCOMPARE(BlankNonLetters(QStringLiteral("1999")), QString());
        QCOMPARE(BlankNonLetters(QStringLiteral("  ")), QString());
        QCOMPARE(BlankNonLetters(QStringLiteral("Caf\u00e9\tna\u00efve-Kelvin\u212a")),
                 QStringLiteral("Caf  na ve Kelvin"));
        QCOMPARE(BlankNonLetters(QStringLiteral("AbZz")), QStringLiteral("AbZz"));
        const QString original = QStringLiteral("x-y");
        QCOMPARE(BlankNonLetters(original), QStringLiteral("x y"));
        QCOMPARE(original, QStringLiteral("x-y"));
    }

    // Emptied slots anywhere are closed up in one pass, pairs keep their order, and only
    // clues decide whether a slot is free.
    void compactClosesEveryGapInOrder() {
        PuzzleTable t = tableOf({"a", "b", "c", "d"});
        t[1] = PuzzleEntry{};
        CompactSetEntries(t);
        QCOMPARE(pairCount(t), 3);
        QCOMPARE(t[0].Clue, QStringLiteral("a"));
        QCOMPARE(t[1].Clue, QStringLiteral("c"));
        QCOMPARE(t[2].Puzzle, QStringLiteral("D"));
        QVERIFY(t[3].Puzzle.isEmpty());

        PuzzleTable first = tableOf({"a", "b"});
        first[0] = PuzzleEntry{};
        CompactSetEntries(first);
        QCOMPARE(first[0].Clue, QStringLiteral("b"));
        QCOMPARE(pairCount(first), 1);

        PuzzleTable full;
        for (int i = 0; i < MaxPuzzles; ++i)
            full[i] = {QString::number(i), QStringLiteral("p")};
        QCOMPARE(pairCount(full), 101);
        full[50] = PuzzleEntry{};
        CompactSetEntries(full);
        QCOMPARE(pairCount(full), 100);
        QCOMPARE(full[50].Clue, QStringLiteral("51"));
        QCOMPARE(full[99].Clue, QStringLiteral("100"));
        QVERIFY(full[100].Clue.isEmpty());
    }

    // Long puzzles need blanks where the board wraps; the numbers are exactly 25, 26, 50, 74, 51.
    void spacingCheckAtItsBoundaries() {
        QVERIFY(hasProperSpacing(puzzleOf(25, {})));
        QVERIFY(!hasProperSpacing(puzzleOf(26, {})));
        QVERIFY(hasProperSpacing(puzzleOf(40, {26})));  // first word of 25 letters
        QVERIFY(!hasProperSpacing(puzzleOf(40, {27}))); // first word of 26 letters
        QVERIFY(!hasProperSpacing(puzzleOf(51, {11})));
        QVERIFY(hasProperSpacing(puzzleOf(51, {26})));
        QVERIFY(hasProperSpacing(puzzleOf(50, {11}))); // 50 is not over 50
        QVERIFY(hasProperSpacing(puzzleOf(74, {20, 45})));
        QVERIFY(!hasProperSpacing(puzzleOf(75, {20, 45})));
        QVERIFY(hasProperSpacing(puzzleOf(75, {20, 51})));
        // A hyphen or an apostrophe is a break once filtered; blanks at the ends are trimmed
        // away before the length counts.
        QString hyphen = puzzleOf(30, {});
        hyphen[14] = u'-';
        QVERIFY(hasProperSpacing(hyphen));
        QVERIFY(hasProperSpacing(QStringLiteral("   ") + puzzleOf(25, {}) + QStringLiteral("!!")));
        QVERIFY(!hasProperSpacing(QStringLiteral("1") + puzzleOf(26, {})));
    }

    // An entry is empty when either text lacks letters or a box still holds its prompt.
    void emptyCheckHasFourConditions() {
        QVERIFY(isEntryEmpty(QStringLiteral("1999"), QStringLiteral("Party")));
        QVERIFY(isEntryEmpty(QStringLiteral("Year"), QStringLiteral("?!")));
        QVERIFY(isEntryEmpty(QStringLiteral("  ") + Texts::CluePrompt() + QStringLiteral(" "),
                             QStringLiteral("x")));
        QVERIFY(isEntryEmpty(QStringLiteral("x"), Texts::PuzzlePrompt()));
        QVERIFY(!isEntryEmpty(QStringLiteral("x"), Texts::PuzzlePrompt() + QStringLiteral("Yes")));
        QVERIFY(!isEntryEmpty(Texts::CluePrompt().toLower(), QStringLiteral("x")));
        QVERIFY(!isEntryEmpty(QStringLiteral("x"), QStringLiteral("y")));
    }

    // Untouched prompts (blanks and line breaks aside) become "None Given" and "No information
    // given"; the saved set has its texts trimmed, the information on one line, and the pairs.
    void saveReplacesPromptsAndBuildsTheSet() {
        SetTexts untouched{QStringLiteral("  Your Name "), QStringLiteral("Title For Set  "),
                           Texts::InfoPrompt() + QStringLiteral("\n")};
        const SetTexts replaced = replaceUntouchedPrompts(untouched);
        QCOMPARE(replaced.author, QStringLiteral("None Given"));
        QCOMPARE(replaced.title, QStringLiteral("None Given"));
        QCOMPARE(replaced.info, QStringLiteral("No information given"));

        SetTexts typed{QStringLiteral("your name"), QStringLiteral(" Animals "),
                       QStringLiteral(" first line\r\nsecond\nthird\rend ")};
        QCOMPARE(replaceUntouchedPrompts(typed).author, QStringLiteral("your name"));
        const PuzzleTable t = tableOf({"a", "b"});
        const GameSet set = setForSaving(typed, t, QDate(2001, 2, 25));
        QCOMPARE(set.title, QStringLiteral("Animals"));
        QCOMPARE(set.info, QStringLiteral("first linesecondthirdend"));
        QCOMPARE(set.date, QDate(2001, 2, 25));
        QCOMPARE(set.pairs.size(), 2);
        QCOMPARE(set.pairs[1].Puzzle, QStringLiteral("B"));
    }

    // At the minimum outer size every control sits where the rules put it.
    void layoutAtTheMinimumSize() {
        const CreateLayout::Layout l = CreateLayout::compute(4800, 6450);
        auto near = [](double actual, double expected) { return std::abs(actual - expected) < 0.1; };
        for (const QRectF& label : {l.Label1, l.Label2, l.Label3, l.Label5}) {
            QVERIFY(near(label.left(), 240));
            QVERIFY(near(label.width(), 1440));
            QVERIFY(near(label.height(), 430));
        }
        for (const QRectF& box : {l.Text1, l.Text2, l.Text3, l.Command3, l.Command4}) {
            QVERIFY(near(box.left(), 1920));
            QVERIFY(near(box.width(), 2640));
        }
        QVERIFY(near(l.Text1.top(), 132.225));
        QVERIFY(near(l.Text2.top(), 694.45));
        QVERIFY(near(l.Text3.top(), 1256.675));
        QVERIFY(near(l.Label2.top(), l.Text2.top()));
        QVERIFY(near(l.MSFlexGrid1.left(), 72));
        QVERIFY(near(l.MSFlexGrid1.width(), 4560));
        QVERIFY(near(l.MSFlexGrid1.top(), 2248.9));
        QVERIFY(near(l.MSFlexGrid1.height(), 1842.857));
        QCOMPARE(l.ClueColumnWidth, 1368L);
        QCOMPARE(l.PuzzleColumnWidth, 3420L);
        QVERIFY(near(l.Label5.top(), 4223.98));
        QVERIFY(near(l.Command3.top(), 4223.98));
        QVERIFY(near(l.Command4.top(), 4786.2));
        const QRectF bottom[] = {l.Command1, l.Command2, l.Command5, l.Command6};
        const double lefts[] = {192, 1344, 2496, 3648};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(near(bottom[i].top(), 5348.4));
            QVERIFY(near(bottom[i].left(), lefts[i]));
            QVERIFY(near(bottom[i].width(), 960));
        }
        // The bottom row ends at about 0.896 H.
        QVERIFY(near(l.Command1.bottom() / 6450, 0.896));
    }

    // Too small a size is corrected to the minimum; doubling the width scales every left edge
    // and width and moves nothing vertically; column widths round halves to even.
    void layoutScalesAndKeepsItsMinimum() {
        const CreateLayout::Layout min = CreateLayout::compute(4800, 6450);
        const CreateLayout::Layout small = CreateLayout::compute(1000, 2000);
        QCOMPARE(small.Command6, min.Command6);
        QCOMPARE(CreateLayout::correctedOuterSize(9000, 100), QSizeF(9000, 6450));

        const CreateLayout::Layout wide = CreateLayout::compute(9600, 6450);
        const QRectF CreateLayout::Layout::*rects[] = {
            &CreateLayout::Layout::Label1,      &CreateLayout::Layout::Label5,
            &CreateLayout::Layout::Text1,       &CreateLayout::Layout::Text3,
            &CreateLayout::Layout::MSFlexGrid1, &CreateLayout::Layout::Command1,
            &CreateLayout::Layout::Command4,    &CreateLayout::Layout::Command6};
        for (auto member : rects) {
            const QRectF& a = min.*member;
            const QRectF& b = wide.*member;
            QVERIFY(std::abs(b.left() - 2 * a.left()) < 0.01);
            QVERIFY(std::abs(b.width() - 2 * a.width()) < 0.01);
            QCOMPARE(b.top(), a.top());
            QCOMPARE(b.height(), a.height());
        }
        QCOMPARE(wide.ClueColumnWidth, 2736L);
        QCOMPARE(wide.PuzzleColumnWidth, 6840L);

        const CreateLayout::Layout tall = CreateLayout::compute(4800, 12900);
        QVERIFY(std::abs(tall.Command4.top() - 2 * min.Command4.top()) < 0.1);
        QCOMPARE(tall.Text1.left(), min.Text1.left());

        QCOMPARE(CreateLayout::roundHalfEven(1372.5), 1372L);
        QCOMPARE(CreateLayout::roundHalfEven(1373.5), 1374L);
        QCOMPARE(CreateLayout::roundHalfEven(1372.51), 1373L);
        long clue = 0, puzzle = 0;
        CreateLayout::columnWidths(4575, &clue, &puzzle); // 1372.5 and 3431.25
        QCOMPARE(clue, 1372L);
        QCOMPARE(puzzle, 3431L);
    }
};

QTEST_GUILESS_MAIN(TestEditorRules)
#include "test_editor.moc"
