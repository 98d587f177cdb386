// The ten-place high-score file "hs.lst" beside the game: how a finished game is merged into
// it and which table the high-score window shows. The bytes themselves are HighScoreFile's.
#pragma once

#include "GameServices.h"
#include "HighScoreFile.h"
#include "KazMod.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

class QWidget;

namespace KazMod {
// Merges a finished game into the table. Does nothing while a game is in progress.
void RecordHighScore(const GameState& state, const GameServices& services, QWidget* parent,
                     const QString& playerName, double finalScore);

// The finished game as the eleventh place of the merge.
HighScoreRecord FinishedGameEntry(const QString& playerName, double finalScore, const QDate& today,
                                  const QString& setTitle);

// Twenty exchange passes, best first. Only a strictly higher score climbs past another, so
// among equal scores the earlier place stays ahead.
void SortHighScores(std::array<HighScoreRecord, 11>& places);

// The table after a finished game: the ten places and the new entry sorted, the lowest
// dropped. A new score equal to the tenth stays out.
HighScoreTable MergeHighScore(const HighScoreTable& table, const HighScoreRecord& entry);

// The table written when there is no readable file: the finished game first (whatever its
// score), then nine default entries. The next merge sorts it.
HighScoreTable FreshHighScoreTable(const HighScoreRecord& entry, const QDate& today);

// What the high-score window shows. A file it can read is shown as it is, its missing
// places as default entries, and is never rewritten; with no readable file ten default
// entries are shown and written.
struct HighScoresToShow {
    HighScoreTable table;
    bool writeFreshTable = false;
};
HighScoresToShow TableToShow(const HighScoreFile::Contents& contents, const QDate& today);

// One grid row: name and title trimmed at both ends, the score in the general number
// form, the day in the short date form.
QStringList HighScoreRowTexts(const HighScoreRecord& record);

// The stop-icon message when the table cannot be written; the game goes on.
inline const QString HighScoresNotSavedTitle = QStringLiteral("High Scores Not Saved");
QString HighScoresNotSavedText(const QString& path, const QString& reason);
} // namespace KazMod
