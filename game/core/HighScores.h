// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The ten-place high-score file "hs.lst" beside the game: how a finished game is merged into
// it and which table the high-score window shows. The bytes themselves are HighScoreFile's.
#pragma once

#include "HighScoreFile.h"
#include "HighScoreServices.h"
#include "KazMod.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A problem with the high-score file, worded for the player as one message box.
struct HighScoreMessage {
    QString title;
    QString text;
};

namespace KazMod {
// Merges a finished game into the table, in one update of the file (see HighScoreFile::update),
// and says what went wrong, if anything. Does nothing while a game is in progress.
std::optional<HighScoreMessage> RecordHighScore(const GameState& state, const HighScoreServices& services,
                                                const QString& playerName, double finalScore);

// The finished game as the eleventh place of the merge.
HighScoreRecord finishedGameEntry(const QString& playerName, double finalScore, const QDate& today,
                                  const QString& setTitle);

// Twenty exchange passes, best first. Only a strictly higher score climbs past another, so
// among equal scores the earlier place stays ahead. A score that is not a finite number
// (from a damaged file) counts as the lowest, so it cannot keep winners out.
void sortHighScores(std::array<HighScoreRecord, 11>& places);

// The table after a finished game: the ten places and the new entry sorted, the lowest
// dropped. A new score equal to the tenth stays out.
HighScoreTable mergeHighScore(const HighScoreTable& table, const HighScoreRecord& entry);

// The table written when there is no file yet: the finished game and nine default
// entries, best first (an entry below the defaults' score of 1 is last, not first).
HighScoreTable freshHighScoreTable(const HighScoreRecord& entry, const QDate& today);

// What the high-score window shows. A file it can read is shown as it is, its missing
// places as default entries, and is never rewritten; with no file yet ten default entries
// are shown and written. A file that is there but cannot be read shows no rows.
struct HighScoresToShow {
    HighScoreTable table;
    bool writeFreshTable = false;
    bool unreadable = false;
};
HighScoresToShow tableToShow(const HighScoreFile::Contents& contents, const QDate& today);

// Reads the table for the high-score window, writing the default table (in an update of the
// file) when there is none yet. `message` says what went wrong, if anything.
struct HighScoresForWindow {
    HighScoresToShow show;
    std::optional<HighScoreMessage> message;
};
HighScoresForWindow loadHighScores(const HighScoreServices& services);

// One grid row: name and title trimmed at both ends, the score in the general number
// form, the day in the short date form.
QStringList highScoreRowTexts(const HighScoreRecord& record);

// The stop-icon messages, in the language spoken; the game goes on.
QString highScoresNotSavedTitle();
QString highScoresNotReadTitle();
QString highScoresNotSavedText(const QString& path, const QString& reason);
QString highScoresNotReadText(const QString& path, const QString& reason);
} // namespace KazMod
