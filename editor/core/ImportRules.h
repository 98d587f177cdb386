// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Which records of a word list join the set, and what is said about the others. Every pair
// passes the add dialog's own checks (line breaks removed, the empty check, the spacing
// check, the letter filter on what is stored); on top of them an import refuses what the
// dialog's boxes could never hold (a clue over 30 or a puzzle over 75 characters), any
// letter outside A-Z and any digit, which the filter would silently blank out of a word.
// Invisible format characters (a soft hyphen, a zero-width space) are removed first, and a
// pair whose punctuation the filter blanks is added but listed, so no word changes unseen.
// Qt Core only.
#pragma once

#include "PuzzleEntry.h"
#include "WordList.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ImportRules {

// One record that was refused or changed.
struct Refusal {
    int line = 0;  // its line in a CSV or TSV file; 0 in KVTML
    QString place; // "line 3" or "entry 7", as the report names it
    QString reason;
};

struct Outcome {
    QList<PuzzleEntry> added; // as stored, in the order of the file
    QList<Refusal> refused;
    QList<Refusal> changed; // added, but not letter for letter as the file has it
    QStringList notes;      // what the reader changed in the set information
    bool entries = false;   // the records are KVTML entries rather than lines
};

namespace Reasons {
QString ClueTooLong();
QString PuzzleTooLong();
QString Empty();
QString BadSpacing();
QString SetFull();
QString ClueDigit();
QString PuzzleDigit();
QString Punctuation();
// "é" is a letter the game cannot show
QString foreignLetter(const QString& letter);
} // namespace Reasons

// Every format character (Unicode category Cf) removed.
QString withoutFormatCharacters(const QString& text);

// The list's records in file order, added to a set that already holds pairsHeld pairs; once
// the set holds 101, every further record is refused as full.
Outcome apply(const WordList::List& list, int pairsHeld);

// The report after an import: how many pairs were added, then each refused line as
// "line N: reason" (or "entry N: ..."), then each changed one, at most 20 of each and then
// "and K more", then the reader's notes. Lines joined by CR LF.
QString reportText(const Outcome& outcome);
QString ReportTitle();

} // namespace ImportRules
