// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What a guessed letter earns, the final adjusted score of a solved puzzle, and the status
// line that shows it.
#pragma once

#include <QString>

namespace Scoring {

// The score after a letter found `found` times with the last spin's value: points per
// occurrence by the value's first three characters ("500" is tested before "50 "), or the
// whole score doubled after "Double". Worked in double precision, so no count of letters
// can overflow it.
double scoreAfterGuess(double score, const QString& spinValue, int found);

// L: the characters of the puzzle that are not blanks.
int letterCount(const QString& puzzle);

// F: L x 10000 when solved before any spin, else L x Score / SpinCount rounded down.
double finalScore(int letterCount, double score, int spinCount);

// The typed answer, normalised, against the puzzle; case never matters, punctuation does.
bool isRightAnswer(const QString& normalizedAnswer, const QString& currentPuzzle);

// A whole number as plain decimal digits, however large.
QString integerText(double value);

QString finalScoreStatus(double finalScore);

} // namespace Scoring
