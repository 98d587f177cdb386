// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HighScores.h"

#include "Clock.h"
#include "OleDate.h"
#include "SafeFile.h"
#include "TextFormat.h"

#include <cerrno>
#include <cmath>
#include <limits>
#include <utility>

namespace {
// Where the places are ranked: a score that is not a finite number ranks lowest.
double rank(double score) {
    return std::isfinite(score) ? score : -std::numeric_limits<double>::infinity();
}

// How long a win waits for another game's merge before saying it was not saved.
constexpr int LockWaitMs = 10000;

const QString NoFolderReason = QStringLiteral("the program's own folder could not be found");

// A folder made for the table is the player's alone: whoever could read the table could
// hold a lock on it and keep every win out. A folder that is there is left as it was set up.
FileResult<> makeTableFolder(const HighScoreServices& services) {
    return SafeFile::makeFolders(services.highScoreFolder(), 0700);
}
} // namespace

HighScoreRecord KazMod::finishedGameEntry(const QString& playerName, double finalScore, const QDate& today,
                                          const QString& setTitle) {
    HighScoreRecord r;
    r.PlayerName = playerName;
    r.FinalScore = finalScore;
    r.DatePlayed = OleDate::fromDate(today);
    r.GameSetTitle = setTitle;
    return r;
}

void KazMod::sortHighScores(std::array<HighScoreRecord, 11>& places) {
    // Always all twenty passes: a new entry at the bottom climbs one place a pass, so ten
    // would do, and the rest cost nothing worth saving.
    for (int pass = 0; pass < 20; ++pass)
        for (std::size_t j = 0; j + 1 < places.size(); ++j)
            if (rank(places[j + 1].FinalScore) > rank(places[j].FinalScore))
                std::swap(places[j], places[j + 1]);
}

HighScoreTable KazMod::mergeHighScore(const HighScoreTable& table, const HighScoreRecord& entry) {
    std::array<HighScoreRecord, 11> places;
    for (std::size_t n = 0; n < table.size(); ++n)
        places[n] = table[n];
    places[10] = entry;
    sortHighScores(places);
    HighScoreTable out;
    for (std::size_t n = 0; n < out.size(); ++n)
        out[n] = places[n];
    return out;
}

HighScoreTable KazMod::freshHighScoreTable(const HighScoreRecord& entry, const QDate& today) {
    // The entry first and the defaults below it, then sorted like any merge: the defaults
    // stay in their order, and the entry sinks below them only when it scored less.
    std::array<HighScoreRecord, 11> places;
    places[0] = entry;
    for (std::size_t n = 1; n < places.size(); ++n)
        places[n] = HighScoreFile::defaultEntry(today);
    places[10].FinalScore = -std::numeric_limits<double>::infinity(); // always the one dropped
    sortHighScores(places);
    HighScoreTable table;
    for (std::size_t n = 0; n < table.size(); ++n)
        table[n] = places[n];
    return table;
}

KazMod::HighScoresToShow KazMod::tableToShow(const HighScoreFile::Contents& contents, const QDate& today) {
    HighScoresToShow show;
    if (contents.ok) {
        show.table = HighScoreFile::completed(contents.value, today);
    } else {
        show.table = HighScoreFile::completed({}, today);
        show.writeFreshTable = contents.missing;
        show.unreadable = !contents.missing;
    }
    return show;
}

QStringList KazMod::highScoreRowTexts(const HighScoreRecord& record) {
    return {record.PlayerName.trimmed(), TextFormat::generalNumber(record.FinalScore),
            TextFormat::shortDate(OleDate::toDate(record.DatePlayed)), record.GameSetTitle.trimmed()};
}

QString KazMod::highScoresNotSavedText(const QString& path, const QString& reason) {
    QString text = QStringLiteral("The high-score file could not be written:") + TextFormat::CrLf;
    if (!path.isEmpty())
        text += path + TextFormat::CrLf;
    return text + reason;
}

QString KazMod::highScoresNotReadText(const QString& path, const QString& reason) {
    return QStringLiteral("The high-score file could not be read:") + TextFormat::CrLf + path +
           TextFormat::CrLf + reason;
}

HighScoreMessage KazMod::RecordHighScore(const GameState& state, const HighScoreServices& services,
                                         const QString& playerName, double finalScore) {
    if (state.GameInProgress)
        return {};
    const QString path = HighScoreFile::path(services.highScoreFolder());
    // Without a folder of its own the game writes nowhere at all, rather than somewhere else.
    if (path.isEmpty())
        return {HighScoresNotSavedTitle, highScoresNotSavedText(path, NoFolderReason)};
    const QDate today = services.clock->today();
    const HighScoreRecord entry = finishedGameEntry(playerName, finalScore, today, state.SetTitle);

    // The player's data folder may not exist yet on the first game after installing.
    if (const FileResult<> made = makeTableFolder(services); !made.ok)
        return {HighScoresNotSavedTitle, highScoresNotSavedText(path, made.error)};
    // Something that is not a file at all is not locked, read or written.
    if (const QString kind = SafeFile::notRegularReason(path); !kind.isEmpty())
        return {HighScoresNotSavedTitle, highScoresNotReadText(path, kind)};
    SafeFile::FileLock lock;
    if (const FileResult<> locked = lock.acquire(path, LockWaitMs); !locked.ok)
        return {HighScoresNotSavedTitle, highScoresNotSavedText(path, locked.error)};

    // A short file keeps the records it has: the places it lacks are default entries, sorted
    // in with the rest. A file that is there but unreadable is left alone. The empty file
    // that the lock has just made is no table yet.
    const HighScoreFile::Contents contents =
        lock.madeTheFile() ? HighScoreFile::Contents::failure(QString(), true) : HighScoreFile::read(path);
    if (!contents.ok && !contents.missing)
        return {HighScoresNotSavedTitle, highScoresNotReadText(path, contents.error)};
    const HighScoreTable table = contents.ok
                                     ? mergeHighScore(HighScoreFile::completed(contents.value, today), entry)
                                     : freshHighScoreTable(entry, today);

    // A failed write leaves the old file whole, with every record it held.
    if (const FileResult<> written = HighScoreFile::write(path, table); !written.ok)
        return {HighScoresNotSavedTitle, highScoresNotSavedText(path, written.error)};
    return {};
}

KazMod::HighScoresForWindow KazMod::loadHighScores(const HighScoreServices& services) {
    HighScoresForWindow out;
    const QDate today = services.clock->today();
    const QString path = HighScoreFile::path(services.highScoreFolder());
    if (path.isEmpty()) {
        out.show = tableToShow(HighScoreFile::Contents::failure(NoFolderReason, true), today);
        out.show.writeFreshTable = false;
        out.message = {HighScoresNotSavedTitle, highScoresNotSavedText(path, NoFolderReason)};
        return out;
    }
    // Shows what was read; true when there is nothing more to do.
    auto showRead = [&](const HighScoreFile::Contents& contents) {
        out.show = tableToShow(contents, today);
        if (out.show.unreadable)
            out.message = {HighScoresNotReadTitle, highScoresNotReadText(path, contents.error)};
        return !out.show.writeFreshTable;
    };
    if (showRead(HighScoreFile::read(path)))
        return out;

    // No table yet: write the default one, unless a game finishing in another window wrote
    // a real one meanwhile.
    if (const FileResult<> made = makeTableFolder(services); !made.ok) {
        out.message = {HighScoresNotSavedTitle, highScoresNotSavedText(path, made.error)};
        return out;
    }
    SafeFile::FileLock lock;
    if (const FileResult<> locked = lock.acquire(path, LockWaitMs); !locked.ok) {
        out.message = {HighScoresNotSavedTitle, highScoresNotSavedText(path, locked.error)};
        return out;
    }
    // The lock makes an empty file when there is none; that one still needs the table.
    if (!lock.madeTheFile() && showRead(HighScoreFile::read(path)))
        return out;
    if (const FileResult<> written = HighScoreFile::write(path, out.show.table); !written.ok)
        out.message = {HighScoresNotSavedTitle, highScoresNotSavedText(path, written.error)};
    return out;
}
