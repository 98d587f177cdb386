// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's module: the set of pairs being edited (SetEntries) and every rule the editor
// applies to it that needs no window: the letter filter, closing gaps, the empty and spacing
// checks for a new pair, and what Save makes of the text boxes. The windows (frmCreate,
// frmAdd) call these and show the results; the routines that write to the grid are the
// window library's (ClueGrid.h).
#pragma once

#include "GameSetFile.h"
#include "PuzzleEntry.h"

#include <QDate>
#include <QString>

namespace KazCreateMod {

// The set being edited: slots 0 up to the first free one (empty clue), kept without gaps.
extern PuzzleTable SetEntries;

// Texts the user sees in the editor, in the language spoken (English: exactly as they are
// shown).
namespace Texts {
QString AuthorPrompt();
QString TitlePrompt();
QString InfoPrompt();
QString NoneGiven();
QString NoInformationGiven();
QString CluePrompt();
QString PuzzlePrompt();

QString EmptyCountLabel();
// "Number of clues in set: 7"
QString countLabel(int pairs);

// The message boxes' words, each text with its title.
struct Message {
    QString text;
    QString title;
};
Message AreYouSure();
Message EmptyEntry();
Message BadSpacing();
Message SetFull();
QString NotSavedTitle();

QString SaveDialogTitle();
QString LoadDialogTitle();
// The file dialogs' filter: a translated name, the pattern as it is.
QString FileFilter();
inline const QString DefaultExtension = QStringLiteral(".kazset");
} // namespace Texts

inline constexpr int InfoMaxLength = 255; // author, title and information boxes
inline constexpr int ClueMaxLength = 30;
inline constexpr int PuzzleMaxLength = 75;

// Every character other than the 52 letters A-Z and a-z becomes a blank (the length stays),
// then blanks are trimmed from both ends. "It's 4 U!" gives "It s   U".
QString BlankNonLetters(const QString& text);

// Closes the gap left by emptied slots in one ascending pass, keeping the pairs' order.
// Only clues are tested: a slot with an empty clue is free.
void CompactSetEntries(PuzzleTable& entries = SetEntries);

// The number of pairs: the index of the first free slot, or 101 when none is free.
int pairCount(const PuzzleTable& entries = SetEntries);

// Empties every slot.
void clearSetEntries(PuzzleTable& entries = SetEntries);

// Every line break removed (CR LF, LF, a lone CR and Qt's line and paragraph separators),
// with nothing in its place: the words on either side run together.
QString removeLineBreaks(const QString& text);

// What a box of Add a Clue or Edit a Clue stores over the slot's text: the text as it was
// when the box still holds it (an edit leaves a loaded "Catch-22" alone), else the box's
// text without line breaks and through the letter filter.
QString storedBoxText(const QString& held, const QString& boxText);

// True when a new pair counts as empty: either text has no letter, or a box still holds
// exactly its prompt (blanks around it aside). Takes the texts after line-break removal.
bool isEntryEmpty(const QString& clueText, const QString& puzzleText);

// True when the filtered puzzle has the word breaks the game board needs to wrap it:
// any puzzle of up to 25 characters, or a longer one with a blank at or before position 26,
// another at 26 or later when longer than 50, and another at 51 or later when longer than 74.
bool hasProperSpacing(const QString& puzzleText);

// The three text boxes as Save reads and rewrites them.
struct SetTexts {
    QString author; // Text1
    QString title;  // Text2
    QString info;   // Text3
};

// Save's replacement of untouched prompts: "None Given" for the author and title,
// "No information given" for the information.
SetTexts replaceUntouchedPrompts(SetTexts texts);

// The game set that Save writes: title and author trimmed, the information without line
// breaks and trimmed, the given day, and pairs 0 to PairCount - 1 as stored.
GameSet setForSaving(const SetTexts& texts, const PuzzleTable& entries, const QDate& today);

// Why a read set cannot be held by the editor (empty when it can).
QString unholdableReason(const GameSet& set);

// The editor marks a free slot by an empty clue, so it holds a set up to its first pair
// without a clue: that pair's number (from 1), or 0 when every pair has a clue.
int firstPairWithoutClue(const GameSet& set);
// What Load Set says when it held only the pairs before that one.
QString partlyLoadedText(const QString& path, int pair);
QString PartlyLoadedTitle();

// Puts a loaded set's pairs into slots 0 to n - 1 and empties the rest.
void installPairs(const GameSet& set, PuzzleTable& entries = SetEntries);

// The grid's header stands for its fixed row 0, so data row r (pair r, slot r - 1) is
// table row r - 1.
inline int tableRowOf(int gridRow) {
    return gridRow - 1;
}
inline int gridRowOf(int tableRow) {
    return tableRow + 1;
}
} // namespace KazCreateMod
