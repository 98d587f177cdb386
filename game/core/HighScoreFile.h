// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-score file "hs.lst" beside the game: ten fixed records of 526 bytes, no header.
// A record is the player's name (255 bytes), the score and the day played (little-endian
// IEEE doubles, the day as an OLE date) and the game set's title (255 bytes); the texts
// are Windows-1252, padded with spaces. Record 1 is the best entry.
//
// This file knows the bytes (reading, writing, the made-up default entry) and the one locked
// update that changes the table on disk. What a change does to the table is HighScores.h's.
#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>

struct HighScoreRecord {
    // The texts as the player sees them; the codec pads them to their fixed width (and cuts
    // longer ones) on the way out and drops the padding spaces on the way in.
    QString PlayerName;
    double FinalScore = 0.0;
    double DatePlayed = 0.0; // OLE date, a whole day
    QString GameSetTitle;
};

// The ten places of the file, best first.
using HighScoreTable = std::array<HighScoreRecord, 10>;

namespace HighScoreFile {

inline constexpr int TextBytes = 255;
inline constexpr int ScoreOffset = 255;
inline constexpr int DateOffset = 263;
inline constexpr int TitleOffset = 271;
inline constexpr int RecordBytes = 526;
inline constexpr int RecordCount = 10;
inline constexpr int FileBytes = RecordBytes * RecordCount; // 5,260

inline const QString FileName = QStringLiteral("hs.lst");

// The file in the program folder, with exactly one separator between them.
QString path(const QString& programFolder);

// A text as its 255 stored bytes: Windows-1252 ("?" for what it lacks), cut to its first
// 255 characters, padded with spaces.
QByteArray fixedText(const QString& text);

QByteArray encodeRecord(const HighScoreRecord& record);
// Reads one record from the first 526 bytes of `bytes` (which must hold at least that many).
HighScoreRecord decodeRecord(QByteArrayView bytes);
QByteArray encodeTable(const HighScoreTable& table);

// Where a table has to be made up, each empty place holds this entry.
HighScoreRecord defaultEntry(const QDate& today);

// The records read, and the made-up default entry in every place the file does not fill.
HighScoreTable completed(const QList<HighScoreRecord>& records, const QDate& today);

// The whole records at the start of the file (0 to 10); a part-record at the end and
// anything after the tenth record are ignored. `missing` tells "no table yet" apart from a
// file that is there but could not be read.
using Contents = FileResult<QList<HighScoreRecord>>;
Contents read(const QString& path);

// Replaces the file; when anything fails, the old file stays as it was.
FileResult<> write(const QString& path, const HighScoreTable& table);

// How an update ended: done, or the step that failed, with the system's reason.
struct Updated {
    enum class Failure {
        None,
        Unreadable, // the file is there but is not a file or could not be read; left alone
        Unwritable  // its folders could not be made, the lock not taken, or the write failed
    };
    Failure failure = Failure::None;
    QString error;
    bool ok() const { return failure == Failure::None; }
};

// Given what the file holds (its records, or `missing` when there is no table yet), the
// table to write in its place, or nothing to leave the file as it is.
using Change = std::function<std::optional<HighScoreTable>(const Contents&)>;

// One read-change-write of the table, holding its lock from the read to the rename, so that
// games finishing at once in several windows or processes lose no entry. Makes the missing
// folders first (unless makeFolders is false: a class's folder is the administrator's to
// make, never a player's private one), the player's alone; a file that is there but cannot be
// read is never given to the change, nor written over.
Updated update(const QString& path, const Change& change, bool makeFolders = true);

} // namespace HighScoreFile
