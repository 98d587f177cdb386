// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The steps of play over GameState: New Game, loading a set, the wheel's result, a guessed
// letter and solving. Each step changes the state and says what the window is to show: a
// message as an id with its arguments (the window words it), the sound, what the board area
// shows, which play controls are on, and what a screen reader hears first. A step that shows
// a message before it is finished comes in two halves, so the window shows it in between.
#pragma once

#include "GameSound.h"
#include "KazMod.h"
#include "Wheel.h"

#include <QStringList>
#include <optional>

class Clock;
class RandomSource;
struct GameSet;

// The message boxes of play.
enum class GameMessage {
    None,
    NoSetLoaded,       // New Game before a set is loaded
    ReallyQuit,        // a game runs: abandon it? (Yes or No)
    PickALetter,       // a second spin before a guess
    AllLettersShowing, // nothing left to uncover: on to Solve
    AllPointsLost,
    SpinFirst, // a letter before a spin
    LetterNotFound,
    Congratulations, // args: spins, letters, final score
    Sorry            // args: the answer as typed (tidied), the puzzle
};

// What the status panel's name says first, before its lines.
enum class SpokenOutcome {
    None,
    SpinResult,     // args: the spin value
    LetterNotFound, // args: the letter
    LetterFound,    // args: the letter, how often
    Solved
};

// What the board, the clue line and the caption show after a step.
enum class BoardView {
    Unchanged,
    NewPuzzle, // the caption names the game drawn; the clue and the hidden board show
    Revealed,  // the board shows BoardText again
    NoGame     // empty board, the bare clue line, the program's caption
};

// Which play buttons a step turns on or off.
enum class PlayControls {
    Unchanged,
    AllOn,           // the letters, Solve and Spin
    AllOff,          // the same, off
    GuessedLetterOff // the letter just guessed
};

struct PlayOutcome {
    GameMessage message = GameMessage::None;
    QStringList messageArgs;
    std::optional<GameSound> sound; // played before the message
    SpokenOutcome spoken = SpokenOutcome::None;
    QStringList spokenArgs;
    BoardView board = BoardView::Unchanged;
    PlayControls controls = PlayControls::Unchanged;
    bool statusChanged = false; // the status panel's lines are to be written again
    int gameNumber = 0;         // NewPuzzle: the pair drawn, counting from 1
    // A right answer: the final adjusted score, for the status line and the high-score table.
    std::optional<double> finalScore;
};

namespace KazMod {

// The question (or refusal) before a game is abandoned: ReallyQuit while a game runs.
GameMessage abandonQuestion(const GameState& state);

// New Game's first step: NoSetLoaded (stop), else abandonQuestion.
GameMessage newGameQuestion(const GameState& state);

// Starts a game: score, spins and spin value back to nothing, a pair drawn from the clock-seeded
// random source, its clue and puzzle normalised (written back into their slot) and the board
// laid out hidden.
PlayOutcome NewGame(GameState& state, RandomSource& random, const Clock& clock);

// Ends any game: no game in progress, score and spins back at 0. The spin value and HasSpun
// stay until the next New Game.
PlayOutcome endGame(GameState& state);

// Ends any game and makes a set read whole from its file the one the game plays.
PlayOutcome loadGameSet(GameState& state, const GameSet& set);

// Every letter of the puzzle is showing: a spin has nothing left to win.
bool allLettersShowing(const GameState& state);

// Why the wheel may not turn now: PickALetter, AllLettersShowing (then Solve), or None.
GameMessage spinRefusal(const GameState& state);

// The wheel has stopped on result. First half: the spin is counted, and "All Points Lost" is
// announced while the score still stands. Second half, once that is shown: the result is
// taken (the score wiped on a loss).
PlayOutcome wheelStopped(GameState& state, const Wheel::Result& result);
PlayOutcome takeSpinResult(GameState& state, const Wheel::Result& result);

// A guess of letter button index (0 for "A"): one guess per spin; a found letter is uncovered
// everywhere and scored by the spin value.
PlayOutcome guessLetter(GameState& state, int index);

// Solve may be asked for only while a game runs.
bool canSolve(const GameState& state);

// The typed answer. The empty text changes nothing (the game goes on); any other answer ends
// the game, right (with its final score) or wrong.
PlayOutcome Solve(GameState& state, QString answer);

} // namespace KazMod
