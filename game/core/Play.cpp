// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Play.h"

#include "Clock.h"
#include "Scoring.h"

GameMessage KazMod::abandonQuestion(const GameState& state) {
    return state.GameInProgress ? GameMessage::ReallyQuit : GameMessage::None;
}

GameMessage KazMod::newGameQuestion(const GameState& state) {
    return state.SetLoaded ? abandonQuestion(state) : GameMessage::NoSetLoaded;
}

PlayOutcome KazMod::NewGame(GameState& state, RandomSource& random, const Clock& clock) {
    state.SpinCount = 0;
    state.Score = 0;
    state.GameInProgress = true;
    state.SpinValue.clear();
    state.HasSpun = false;

    random.reseed(clock.secondsSinceMidnight());
    const int n = drawSlot(random.next(), state.PuzzleCount);
    PuzzleEntry& pair = state.Puzzles[static_cast<std::size_t>(n)];
    state.CurrentClue = NormalizePuzzleText(pair.Clue);
    state.CurrentPuzzle = NormalizePuzzleText(pair.Puzzle);
    state.BoardText = buildBoard(state.CurrentPuzzle);

    PlayOutcome out;
    out.statusChanged = true;
    out.controls = PlayControls::AllOn;
    out.board = BoardView::NewPuzzle;
    out.gameNumber = n + 1;
    return out;
}

PlayOutcome KazMod::endGame(GameState& state) {
    state.GameInProgress = false;
    state.SpinCount = 0;
    state.Score = 0;
    PlayOutcome out;
    out.board = BoardView::NoGame;
    out.controls = PlayControls::AllOff;
    return out;
}

PlayOutcome KazMod::loadGameSet(GameState& state, const GameSet& set) {
    PlayOutcome out = endGame(state);
    installGameSet(state, set);
    state.SetLoaded = true;
    out.statusChanged = true;
    return out;
}

bool KazMod::allLettersShowing(const GameState& state) {
    return !state.BoardText.contains(u'-');
}

GameMessage KazMod::spinRefusal(const GameState& state) {
    if (state.HasSpun)
        return GameMessage::PickALetter;
    if (allLettersShowing(state))
        return GameMessage::AllLettersShowing;
    return GameMessage::None;
}

PlayOutcome KazMod::wheelStopped(GameState& state, const Wheel::Result& result) {
    state.SpinCount = nextSpinCount(state.SpinCount);
    PlayOutcome out;
    if (result.allPointsLost) {
        out.sound = GameSound::AllPointsLost;
        out.message = GameMessage::AllPointsLost;
    }
    return out;
}

PlayOutcome KazMod::takeSpinResult(GameState& state, const Wheel::Result& result) {
    if (result.allPointsLost)
        state.Score = 0;
    state.SpinValue = result.spinValue;
    state.HasSpun = !result.allPointsLost;
    PlayOutcome out;
    out.spoken = SpokenOutcome::SpinResult;
    out.spokenArgs = {state.SpinValue};
    out.statusChanged = true;
    return out;
}

PlayOutcome KazMod::guessLetter(GameState& state, int index) {
    PlayOutcome out;
    if (!state.HasSpun) {
        out.message = GameMessage::SpinFirst;
        return out;
    }
    state.HasSpun = false;
    const QString letter(QChar(u'A' + index));
    out.controls = PlayControls::GuessedLetterOff;
    if (!state.CurrentPuzzle.contains(letter, Qt::CaseSensitive)) {
        out.sound = GameSound::Miss;
        out.message = GameMessage::LetterNotFound;
        out.spoken = SpokenOutcome::LetterNotFound;
        out.spokenArgs = {letter};
        return out; // the score stands and the panel's lines are not written again
    }
    const int found = RevealLetter(state, letter);
    state.Score = Scoring::scoreAfterGuess(state.Score, state.SpinValue, found);
    out.sound = GameSound::Chime;
    out.board = BoardView::Revealed;
    out.spoken = SpokenOutcome::LetterFound;
    out.spokenArgs = {letter, QString::number(found)};
    out.statusChanged = true;
    return out;
}

bool KazMod::canSolve(const GameState& state) {
    return state.GameInProgress;
}

PlayOutcome KazMod::Solve(GameState& state, QString answer) {
    PlayOutcome out;
    if (answer.isEmpty())
        return out; // the game goes on
    state.GameInProgress = false;

    const QString normalized = NormalizePuzzleText(answer); // answer keeps the case typed
    if (Scoring::isRightAnswer(normalized, state.CurrentPuzzle)) {
        const int letters = Scoring::letterCount(state.CurrentPuzzle);
        const double finalScore = Scoring::finalScore(letters, state.Score, state.SpinCount);
        out.sound = GameSound::Fanfare;
        out.message = GameMessage::Congratulations;
        out.messageArgs = {QString::number(state.SpinCount), QString::number(letters),
                           Scoring::integerText(finalScore)};
        out.spoken = SpokenOutcome::Solved;
        out.finalScore = finalScore;
    } else {
        out.sound = GameSound::Wrong;
        out.message = GameMessage::Sorry;
        out.messageArgs = {answer, state.CurrentPuzzle};
    }
    return out;
}
