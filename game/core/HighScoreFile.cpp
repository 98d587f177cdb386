// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HighScoreFile.h"

#include "AnsiText.h"
#include "OleDate.h"
#include "ProgramFolder.h"

#include "SafeFile.h"

#include <QFileInfo>
#include <QtEndian>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// How long an update waits for another game's before saying it was not saved.
constexpr int LockWaitMs = 10000;

void appendDouble(QByteArray& out, double value) {
    const auto bits = qToLittleEndian(std::bit_cast<std::uint64_t>(value));
    out.append(reinterpret_cast<const char*>(&bits), sizeof bits);
}

double readDouble(QByteArrayView bytes, int offset) {
    std::uint64_t raw = 0;
    std::memcpy(&raw, bytes.data() + offset, sizeof raw);
    return std::bit_cast<double>(qFromLittleEndian(raw));
}

QString readText(QByteArrayView bytes, int offset) {
    QByteArray text(bytes.data() + offset, HighScoreFile::TextBytes);
    // Only the padding goes: a name may well begin with spaces, and those are kept.
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == ' ')
        --end;
    text.truncate(end);
    return AnsiText::decode(text);
}

} // namespace

QString HighScoreFile::path(const QString& programFolder) {
    return ProgramFolder::file(programFolder, FileName);
}

QByteArray HighScoreFile::fixedText(const QString& text) {
    // Encoding first makes the cut count characters, not UTF-16 units: a character outside
    // the code page is one "?" whatever its size in memory.
    QByteArray bytes = AnsiText::encode(text);
    if (bytes.size() > TextBytes)
        bytes.truncate(TextBytes);
    return bytes.leftJustified(TextBytes, ' ');
}

QByteArray HighScoreFile::encodeRecord(const HighScoreRecord& record) {
    QByteArray out;
    out.reserve(RecordBytes);
    out.append(fixedText(record.PlayerName));
    appendDouble(out, record.FinalScore);
    appendDouble(out, record.DatePlayed);
    out.append(fixedText(record.GameSetTitle));
    return out;
}

HighScoreRecord HighScoreFile::decodeRecord(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() >= RecordBytes);
    HighScoreRecord r;
    r.PlayerName = readText(bytes, 0);
    r.FinalScore = readDouble(bytes, ScoreOffset);
    r.DatePlayed = readDouble(bytes, DateOffset);
    r.GameSetTitle = readText(bytes, TitleOffset);
    return r;
}

QByteArray HighScoreFile::encodeTable(const HighScoreTable& table) {
    QByteArray out;
    out.reserve(FileBytes);
    for (const HighScoreRecord& r : table)
        out.append(encodeRecord(r));
    return out;
}

HighScoreRecord HighScoreFile::defaultEntry(const QDate& today) {
    HighScoreRecord r;
    r.PlayerName = QStringLiteral("Orvendel");
    r.FinalScore = 1.0;
    r.DatePlayed = OleDate::fromDate(today);
    r.GameSetTitle = QStringLiteral("Not Played");
    return r;
}

HighScoreTable HighScoreFile::completed(const QList<HighScoreRecord>& records, const QDate& today) {
    HighScoreTable table;
    for (int n = 0; n < RecordCount; ++n)
        table[n] = n < records.size() ? records.at(n) : defaultEntry(today);
    return table;
}

HighScoreFile::Contents HighScoreFile::read(const QString& path) {
    const FileResult<QByteArray> bytes = SafeFile::read(path, FileBytes, SafeFile::Longer::ReadStart);
    if (!bytes.ok)
        return Contents::failure(bytes);
    QList<HighScoreRecord> records;
    const QByteArrayView all(bytes.value);
    for (qsizetype at = 0; at + RecordBytes <= all.size(); at += RecordBytes)
        records.append(decodeRecord(all.sliced(at, RecordBytes)));
    return Contents::success(records);
}

FileResult<> HighScoreFile::write(const QString& path, const HighScoreTable& table) {
    return SafeFile::write(path, encodeTable(table));
}

HighScoreFile::Updated HighScoreFile::update(const QString& path, const Change& change, bool makeFolders) {
    using Failure = Updated::Failure;
    // A folder made for the table is the player's alone: whoever could read the table could
    // hold a lock on it and keep every win out. A folder that is there is left as it was set
    // up. The player's data folder may not exist yet on the first game after installing.
    if (makeFolders)
        if (const FileResult<> made = SafeFile::makeFolders(QFileInfo(path).path(), 0700); !made.ok)
            return {Failure::Unwritable, made.error};
    // Something that is not a file at all is not locked, read or written.
    if (const QString kind = SafeFile::notRegularReason(path); !kind.isEmpty())
        return {Failure::Unreadable, kind};
    SafeFile::FileLock lock;
    if (const FileResult<> locked = lock.acquire(path, LockWaitMs); !locked.ok)
        return {Failure::Unwritable, locked.error};
    // The empty file that the lock has just made is no table yet.
    const Contents contents = lock.madeTheFile() ? Contents::failure(QString(), true) : read(path);
    if (!contents.ok && !contents.missing)
        return {Failure::Unreadable, contents.error};
    if (const std::optional<HighScoreTable> table = change(contents))
        // A failed write leaves the old file whole, with every record it held.
        if (const FileResult<> written = write(path, *table); !written.ok)
            return {Failure::Unwritable, written.error};
    return {};
}
