#include "ImportRules.h"

#include "KazCreateMod.h"
#include "TextFormat.h"

namespace ImportRules {

namespace {
constexpr int ReportedLines = 20;

// The first letter or combining mark outside A-Z and a-z (a decomposed "é" is "e" and a
// mark); the empty text when there is none.
QString firstForeignLetter(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80)
            continue;
        if (QChar::isLetter(c) || QChar::category(c) == QChar::Mark_NonSpacing ||
            QChar::category(c) == QChar::Mark_SpacingCombining || QChar::category(c) == QChar::Mark_Enclosing)
            return QString::fromUcs4(&c, 1);
    }
    return QString();
}
} // namespace

QString Reasons::foreignLetter(const QString& letter) {
    return QStringLiteral("\"%1\" is a letter the game cannot show").arg(letter);
}

QString refusalReason(const QString& clueRead, const QString& puzzleRead) {
    const QString clue = KazCreateMod::removeLineBreaks(clueRead);
    const QString puzzle = KazCreateMod::removeLineBreaks(puzzleRead);
    if (TextFormat::trimBlanks(clue).size() > KazCreateMod::ClueMaxLength)
        return Reasons::ClueTooLong;
    if (TextFormat::trimBlanks(puzzle).size() > KazCreateMod::PuzzleMaxLength)
        return Reasons::PuzzleTooLong;
    for (const QString& text : {clue, puzzle})
        if (const QString letter = firstForeignLetter(text); !letter.isEmpty())
            return Reasons::foreignLetter(letter);
    if (KazCreateMod::isEntryEmpty(clue, puzzle))
        return Reasons::Empty;
    if (!KazCreateMod::hasProperSpacing(puzzle))
        return Reasons::BadSpacing;
    return QString();
}

Outcome apply(const QList<WordList::Record>& records, int pairsHeld) {
    Outcome out;
    int held = pairsHeld;
    for (const WordList::Record& r : records) {
        QString reason = held >= MaxPuzzles ? Reasons::SetFull : r.problem;
        if (reason.isEmpty())
            reason = refusalReason(r.clue, r.puzzle);
        if (!reason.isEmpty()) {
            out.refused.append({r.line, reason});
            continue;
        }
        out.added.append({KazCreateMod::BlankNonLetters(KazCreateMod::removeLineBreaks(r.clue)),
                          KazCreateMod::BlankNonLetters(KazCreateMod::removeLineBreaks(r.puzzle))});
        ++held;
    }
    return out;
}

QString reportText(const Outcome& outcome) {
    const qsizetype added = outcome.added.size();
    QStringList lines;
    lines << (added == 0   ? QStringLiteral("No pairs were added.")
              : added == 1 ? QStringLiteral("1 pair was added.")
                           : QStringLiteral("%1 pairs were added.").arg(added));
    const qsizetype refused = outcome.refused.size();
    if (refused > 0) {
        lines << (refused == 1 ? QStringLiteral("1 line was refused:")
                               : QStringLiteral("%1 lines were refused:").arg(refused));
        for (qsizetype i = 0; i < refused && i < ReportedLines; ++i)
            lines
                << QStringLiteral("line %1: %2").arg(outcome.refused[i].line).arg(outcome.refused[i].reason);
        if (refused > ReportedLines)
            lines << QStringLiteral("and %1 more").arg(refused - ReportedLines);
    }
    return lines.join(TextFormat::CrLf);
}

} // namespace ImportRules
