// Which records of a word list join the set, and what is said about the others. Every pair
// passes the add dialog's own checks (line breaks removed, the empty check, the spacing
// check, the letter filter on what is stored); on top of them an import refuses what the
// dialog's boxes could never hold (a clue over 30 or a puzzle over 75 characters) and any
// letter outside A-Z, which the filter would silently blank out of a word.
// Qt Core only.
#pragma once

#include "PuzzleEntry.h"
#include "WordList.h"

#include <QList>
#include <QString>

namespace ImportRules {

struct Refusal {
    int line = 0;
    QString reason;
};

struct Outcome {
    QList<PuzzleEntry> added; // as stored, in the order of the file
    QList<Refusal> refused;
};

namespace Reasons {
inline const QString ClueTooLong = QStringLiteral("the clue is longer than 30 characters");
inline const QString PuzzleTooLong = QStringLiteral("the puzzle is longer than 75 characters");
inline const QString Empty = QStringLiteral("an entry is empty");
inline const QString BadSpacing =
    QStringLiteral("the puzzle is over 25 characters long without a space every 25 characters");
inline const QString SetFull = QStringLiteral("the set is full (101 pairs)");
// "é" is a letter the game cannot show
QString foreignLetter(const QString& letter);
} // namespace Reasons

// Why one record cannot join the set, or the empty text when it can. Checks the clue and
// puzzle as read (before line-break removal).
QString refusalReason(const QString& clue, const QString& puzzle);

// The records in file order, added to a set that already holds pairsHeld pairs; once the set
// holds 101, every further record is refused as full.
Outcome apply(const QList<WordList::Record>& records, int pairsHeld);

// The report after an import: how many pairs were added, then each refused line as
// "line N: reason", at most 20 of them and then "and K more". Lines joined by CR LF.
QString reportText(const Outcome& outcome);
inline const QString ReportTitle = QStringLiteral("Import Pairs");

} // namespace ImportRules
