#include "HighScoreFile.h"

#include "AnsiText.h"
#include "OleDate.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

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
    Contents c;
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        c.error = QStringLiteral("It is a folder.");
        return c;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        c.error = file.errorString();
        return c;
    }
    const QByteArray bytes = file.read(FileBytes);
    if (file.error() != QFileDevice::NoError) {
        c.error = file.errorString();
        return c;
    }
    c.status = Contents::Readable;
    for (qsizetype at = 0; at + RecordBytes <= bytes.size(); at += RecordBytes)
        c.records.append(decodeRecord(QByteArrayView(bytes).sliced(at, RecordBytes)));
    return c;
}

bool HighScoreFile::write(const QString& path, const HighScoreTable& table, QString* error) {
    // The player's data folder may not exist yet on the first game after installing.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray bytes = encodeTable(table);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
