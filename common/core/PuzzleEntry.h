// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// One clue/puzzle pair, as the game plays it and the editor stores it. Both programs
// keep a fixed table of these: pair k of a game set file lives in slot k - 1.
#pragma once

#include <QString>
#include <array>

struct PuzzleEntry {
    QString Clue;
    QString Puzzle; // the answer
};

inline constexpr int MaxPuzzles = 101;
using PuzzleTable = std::array<PuzzleEntry, MaxPuzzles>;
