// The game's rules and its one piece of module state, GameState, alive for the whole run.
// Nothing here touches a window: Form1 calls these and shows the results.
#pragma once

#include "PuzzleEntry.h"

#include <QString>
#include <cstdint>

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
QString StatusText(const GameState& state);

} // namespace KazMod
