// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's rules and its one piece of module state, GameState, alive for the whole run.
// Nothing here touches a window: Form1 calls these and shows the results.
#pragma once

#include "PuzzleEntry.h"

#include <QString>
#include <cstdint>

struct GameSet;

struct GameState {
    bool HasSpun = false;       // spun for points or Double, no letter guessed with it yet
    QString SpinValue;          // text of the last wheel result; empty before a game's first spin
    std::int16_t SpinCount = 0; // spins made in this game
    double Score = 0.0;         // running score of this game
    std::int16_t PuzzleCount = 0;
    QString SetTitle;
    QString SetAuthor;
    double SetDate = 0.0; // OLE Automation date of the set's last save
    QString SetInfo;
    bool GameInProgress = false;
    bool SetLoaded = false;
    QString BoardText;     // the puzzle as shown: "-" for hidden characters, word gaps of four spaces
    QString CurrentClue;   // normalised, upper case
    QString CurrentPuzzle; // normalised, upper case
    PuzzleTable Puzzles;   // slots 0 to PuzzleCount - 1 hold the loaded set
};

namespace KazMod {

// The status panel's three lines: score (general number form), spins, last spin value.
QString statusText(const GameState& state);

// Makes a set read whole from its file the one the game plays: the set fields and slots
// 0 to N - 1 of Puzzles. Slots above stay as they were; they are never read.
void installGameSet(GameState& state, const GameSet& set);

// Trims blanks (only the space character) from both ends and shrinks every run of blanks
// to one, writing that back into text in the case it had; returns it in upper case.
QString NormalizePuzzleText(QString& text);

// The fully hidden board of a normalised puzzle: "-" for every character but the blank,
// each blank between words widened to four so the words stand apart on the board.
QString buildBoard(const QString& puzzle);

// Uncovers every position of the board whose character in CurrentPuzzle is exactly the
// letter (case-sensitive) and returns how many there were; an already uncovered letter
// counts again. Rewrites BoardText only. The count stops at 32767.
std::int16_t RevealLetter(GameState& state, const QString& letter);

// The 0-based slot a draw r from [0, 1) picks among count pairs, each equally likely.
int drawSlot(double r, int count);

// The spin counter after one more spin. It stops at the top of its 16-bit range rather than
// wrapping to a negative count.
std::int16_t nextSpinCount(std::int16_t spinCount);

} // namespace KazMod
