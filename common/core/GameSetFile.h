// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game set file (.kazset): line-per-value Windows-1252 text with CR LF line ends, no
// header. Title, author, date literal, information, count N, then N clue/puzzle pairs.
// Both programs read and write it only through this code.
//
// Reading is all-or-nothing: the whole file is parsed into a GameSet first, and callers
// install it only when it came back whole, so a damaged file can never half-replace a set.
#pragma once

#include "FileResult.h"
#include "PuzzleEntry.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

struct GameSet {
    QString title;
    QString author;
    QDate date;
    QString info;
    QList<PuzzleEntry> pairs; // 1 to 101 of them in a readable file
};

// A read's error names the line where the file is damaged ("line 3: ...").
using GameSetReadResult = FileResult<GameSet>;

namespace GameSetFile {

inline constexpr qint64 MaxFileBytes = 1024 * 1024;

// The file's bytes. A value cannot carry a double quote or a line break in this format, so
// a double quote is written as an apostrophe and line breaks are dropped rather than
// letting them corrupt the file.
QByteArray write(const GameSet& set);

// Parses a whole file's bytes. Windows-1252 text, unless the file starts with the UTF-8
// byte-order mark that some text editors write; then it is read as UTF-8.
GameSetReadResult read(const QByteArray& bytes);

// Reads and checks a file; refuses one larger than MaxFileBytes before reading it.
GameSetReadResult readFile(const QString& path);

// The old file stays whole unless the new one was written completely.
FileResult<> writeFile(const QString& path, const GameSet& set);

// The text of the message shown when a file cannot be loaded as a game set (the same in
// both programs): "This file is not a usable game set:", the path and the reason, one a line.
// Both in the language spoken; NotLoadedTitle is the title's English source.
QString notLoadedText(const QString& path, const QString& reason);
QString notLoadedTitle();
inline constexpr const char* NotLoadedTitleText = QT_TRANSLATE_NOOP("GameSetFile", "Game Set Not Loaded");
inline const QString NotLoadedTitle = QString::fromLatin1(NotLoadedTitleText);

// The date literal of a day, e.g. #2001-02-25#.
QByteArray dateLiteral(const QDate& date);

} // namespace GameSetFile
