// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImportRules.h"

#include "KazCreateMod.h"
#include "TextFormat.h"

#include <QCoreApplication>

#include <algorithm>

namespace ImportRules {

namespace {
constexpr int ReportedLines = 20;

bool isMark(char32_t c) {
    const QChar::Category k = QChar::category(c);
    return k == QChar::Mark_NonSpacing || k == QChar::Mark_SpacingCombining || k == QChar::Mark_Enclosing;
}

// The first letter or combining mark outside A-Z and a-z (a decomposed "é" is "e" and a
// mark); the empty text when there is none.
QString firstForeignLetter(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (c >= 0x80 && (QChar::isLetter(c) || isMark(c)))
            return QString::fromUcs4(&c, 1);
    return QString();
}

bool holdsDigit(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (QChar::isNumber(c)) // 0-9, other scripts' digits, "²", "½"
            return true;
    return false;
}

// Something other than a letter or a blank, which the letter filter turns into a blank.
bool holdsPunctuation(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (!(c < 0x80 && QChar::isLetter(c)) && !QChar::isSpace(c))
            return true;
    return false;
}

// Why a pair cannot join the set, or the empty text when it can. Takes the clue and puzzle
// without line breaks and format characters.
QString refusalReason(const QString& clue, const QString& puzzle) {
    if (TextFormat::trimBlanks(clue).size() > KazCreateMod::ClueMaxLength)
        return Reasons::ClueTooLong();
    if (TextFormat::trimBlanks(puzzle).size() > KazCreateMod::PuzzleMaxLength)
        return Reasons::PuzzleTooLong();
    for (const QString& text : {clue, puzzle})
        if (const QString letter = firstForeignLetter(text); !letter.isEmpty())
            return Reasons::foreignLetter(letter);
    if (holdsDigit(clue))
        return Reasons::ClueDigit();
    if (holdsDigit(puzzle))
        return Reasons::PuzzleDigit();
    if (KazCreateMod::isEntryEmpty(clue, puzzle))
        return Reasons::Empty();
    if (!KazCreateMod::hasProperSpacing(puzzle))
        return Reasons::BadSpacing();
    return QString();
}

// "1 line was refused:", "2 entries were changed:"
QString heading(qsizetype count, bool entries, bool refused) {
    const int n = int(count);
    if (n == 1)
        return entries ? (refused ? QCoreApplication::translate("ImportRules", "1 entry was refused:")
                                  : QCoreApplication::translate("ImportRules", "1 entry was changed:"))
                       : (refused ? QCoreApplication::translate("ImportRules", "1 line was refused:")
                                  : QCoreApplication::translate("ImportRules", "1 line was changed:"));
    return entries
               ? (refused
                      ? QCoreApplication::translate("ImportRules", "%n entries were refused:", nullptr, n)
                      : QCoreApplication::translate("ImportRules", "%n entries were changed:", nullptr, n))
               : (refused ? QCoreApplication::translate("ImportRules", "%n lines were refused:", nullptr, n)
                          : QCoreApplication::translate("ImportRules", "%n lines were changed:", nullptr, n));
}

void listRecords(QStringList& lines, const QList<Refusal>& records, bool entries, bool refused) {
    if (records.isEmpty())
        return;
    lines << heading(records.size(), entries, refused);
    for (qsizetype i = 0; i < records.size() && i < ReportedLines; ++i)
        //: A refused or changed record: "line 3: the clue is longer than 30 characters".
        lines
            << QCoreApplication::translate("ImportRules", "%1: %2").arg(records[i].place, records[i].reason);
    if (records.size() > ReportedLines)
        lines
            << QCoreApplication::translate("ImportRules", "and %1 more").arg(records.size() - ReportedLines);
}
} // namespace

QString Reasons::ClueTooLong() {
    return QCoreApplication::translate("ImportRules", "the clue is longer than 30 characters");
}
QString Reasons::PuzzleTooLong() {
    return QCoreApplication::translate("ImportRules", "the puzzle is longer than 75 characters");
}
QString Reasons::Empty() {
    return QCoreApplication::translate("ImportRules", "an entry is empty");
}
QString Reasons::BadSpacing() {
    return QCoreApplication::translate(
        "ImportRules", "the puzzle is over 25 characters long without a space every 25 characters");
}
QString Reasons::SetFull() {
    return QCoreApplication::translate("ImportRules", "the set is full (101 pairs)");
}
QString Reasons::ClueDigit() {
    return QCoreApplication::translate("ImportRules", "the clue holds a digit, which the board cannot show");
}
QString Reasons::PuzzleDigit() {
    return QCoreApplication::translate("ImportRules",
                                       "the puzzle holds a digit, which the board cannot show");
}
QString Reasons::Punctuation() {
    return QCoreApplication::translate("ImportRules", "punctuation became blanks");
}
QString Reasons::foreignLetter(const QString& letter) {
    return QCoreApplication::translate("ImportRules", "\"%1\" is a letter the game cannot show").arg(letter);
}

QString withoutFormatCharacters(const QString& text) {
    // Every format character lies at or above the soft hyphen, U+00AD.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0xAD; }))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (QChar::category(c) != QChar::Other_Format)
            out.append(text.constData() + i, pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
    return out;
}

Outcome apply(const WordList::List& list, int pairsHeld) {
    Outcome out;
    out.entries = list.fromKvtml;
    out.notes = list.notes;
    int held = pairsHeld;
    for (const WordList::Record& r : list.records) {
        if (held >= MaxPuzzles || !r.problem.isEmpty()) {
            out.refused.append({r.line, r.place, held >= MaxPuzzles ? Reasons::SetFull() : r.problem});
            continue;
        }
        const QString clue = KazCreateMod::removeLineBreaks(withoutFormatCharacters(r.clue));
        const QString puzzle = KazCreateMod::removeLineBreaks(withoutFormatCharacters(r.puzzle));
        if (const QString reason = refusalReason(clue, puzzle); !reason.isEmpty()) {
            out.refused.append({r.line, r.place, reason});
            continue;
        }
        out.added.append({KazCreateMod::BlankNonLetters(clue), KazCreateMod::BlankNonLetters(puzzle)});
        if (holdsPunctuation(clue) || holdsPunctuation(puzzle))
            out.changed.append({r.line, r.place, Reasons::Punctuation()});
        ++held;
    }
    return out;
}

QString reportText(const Outcome& outcome) {
    const qsizetype added = outcome.added.size();
    QStringList lines;
    lines << (added == 0 ? QCoreApplication::translate("ImportRules", "No pairs were added.")
              : added == 1
                  ? QCoreApplication::translate("ImportRules", "1 pair was added.")
                  : QCoreApplication::translate("ImportRules", "%n pairs were added.", nullptr, int(added)));
    listRecords(lines, outcome.refused, outcome.entries, true);
    listRecords(lines, outcome.changed, outcome.entries, false);
    lines << outcome.notes;
    return lines.join(TextFormat::CrLf);
}

QString ReportTitle() {
    return QCoreApplication::translate("ImportRules", "Import Pairs");
}

} // namespace ImportRules
