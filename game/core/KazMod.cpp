// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KazMod.h"

#include "GameSetFile.h"
#include "OleDate.h"
#include "TextFormat.h"
#include "Wheel.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

QString KazMod::statusText(const GameState& state) {
    return QCoreApplication::translate("KazMod", "Current Score: %1")
               .arg(TextFormat::generalNumber(state.Score)) +
           TextFormat::CrLf +
           QCoreApplication::translate("KazMod", "# Of Spins So Far: %1").arg(state.SpinCount) +
           TextFormat::CrLf +
           QCoreApplication::translate("KazMod", "Spin Value: %1").arg(Wheel::valueName(state.SpinValue));
}

void KazMod::installGameSet(GameState& state, const GameSet& set) {
    state.SetTitle = set.title;
    state.SetAuthor = set.author;
    state.SetDate = OleDate::fromDate(set.date);
    state.SetInfo = set.info;
    // The reader only hands over sets of 1 to 101 pairs; the bound keeps Puzzles safe anyway.
    const int count = std::min<int>(static_cast<int>(set.pairs.size()), MaxPuzzles);
    state.PuzzleCount = static_cast<std::int16_t>(count);
    for (int k = 0; k < count; ++k)
        state.Puzzles[static_cast<std::size_t>(k)] = set.pairs.at(k);
}

QString KazMod::NormalizePuzzleText(QString& text) {
    text = TextFormat::trimBlanks(text);
    // Each pass halves every run of blanks (rounding up); 255 passes shrink any run to one.
    const QString pair = QStringLiteral("  ");
    for (int pass = 0; pass < 255 && text.contains(pair); ++pass)
        text.replace(pair, QStringLiteral(" "));
    // One character at a time, so the length never changes: Qt's full mapping would turn
    // "ß" into "SS", a letter the board and the answer check know nothing of. A character
    // with no single upper-case form stays as it is.
    QString upper = text;
    for (QChar& c : upper)
        c = c.toUpper();
    return upper;
}

QString KazMod::buildBoard(const QString& puzzle) {
    QString board;
    board.reserve(puzzle.size() * 2);
    for (const QChar c : puzzle)
        board += c == u' ' ? QStringLiteral("    ") : QStringLiteral("-");
    return board;
}

std::int16_t KazMod::RevealLetter(GameState& state, const QString& letter) {
    // The board with each gap of four blanks as one, so that it lines up with the puzzle.
    // Done by hand, character by character: a guess on the longest puzzle must stay quick.
    const QStringView shown(state.BoardText);
    const QStringView gap(u"    ");
    QString board;
    board.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size();) {
        const bool isGap = shown.sliced(i).startsWith(gap);
        board += isGap ? QChar(u' ') : shown[i];
        i += isGap ? gap.size() : 1;
    }

    // A guess is one character; anything else matches nowhere.
    const bool single = letter.size() == 1;
    const QChar guess = single ? letter.at(0) : QChar();
    QString result;
    result.reserve(shown.size());
    int count = 0;
    for (qsizetype p = 0; p < state.CurrentPuzzle.size(); ++p) {
        QChar c;
        if (single && state.CurrentPuzzle.at(p) == guess) {
            c = guess;
            ++count;
        } else if (p < board.size()) {
            c = board.at(p);
        } else {
            continue;
        }
        if (c == u' ')
            result += gap;
        else
            result += c;
    }
    state.BoardText = result;
    return static_cast<std::int16_t>(
        std::min(count, static_cast<int>(std::numeric_limits<std::int16_t>::max())));
}

int KazMod::drawSlot(double r, int count) {
    if (count < 1)
        return 0;
    // r is below 1, but r * count can still round up to count itself.
    const int n = static_cast<int>(r * count);
    return std::clamp(n, 0, count - 1);
}

std::int16_t KazMod::nextSpinCount(std::int16_t spinCount) {
    if (spinCount == std::numeric_limits<std::int16_t>::max())
        return spinCount;
    return static_cast<std::int16_t>(spinCount + 1);
}
