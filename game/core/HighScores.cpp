#include "HighScores.h"

#include "Clock.h"
#include "OleDate.h"
#include "SafeFile.h"
#include "TextFormat.h"

#include <QLockFile>
#include <cerrno>
#include <cmath>
#include <limits>
#include <utility>

namespace {
// Where the places are ranked: a score that is not a finite number ranks lowest.
double rank(double score) {
    return std::isfinite(score) ? score : -std::numeric_limits<double>::infinity();
}

// Whoever holds it may read, merge and replace hs.lst. A lock left by a game that was
// killed is taken over (QLockFile sees that its process is gone).
class TableLock {
public:
    explicit TableLock(const QString& path) : lock_(path + QStringLiteral(".lock")) {}

    FileResult<> acquire() {
        errno = 0;
        if (lock_.tryLock(WaitMs))
            return FileResult<>::success();
        const int error = errno; // QLockFile keeps the system's reason to itself
        switch (lock_.error()) {
        case QLockFile::LockFailedError:
            return FileResult<>::failure(QStringLiteral("another game kept the file locked"));
        case QLockFile::PermissionError:
            return FileResult<>::failure(qt_error_string(EACCES));
        default:
            return FileResult<>::failure(error != 0 ? qt_error_string(error)
                                                    : QStringLiteral("its lock file could not be made"));
        }
    }

private:
    static constexpr int WaitMs = 10000;
    QLockFile lock_;
};

const QString NoFolderReason = QStringLiteral("the program's own folder could not be found");
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
    if (const FileResult<> made = SafeFile::makeFolders(services.highScoreFolder()); !made.ok)
        return {HighScoresNotSavedTitle, highScoresNotSavedText(path, made.error)};
    TableLock lock(path);
    if (const FileResult<> locked = lock.acquire(); !locked.ok)
        return {HighScoresNotSavedTitle, highScoresNotSavedText(path, locked.error)};

    // A short file keeps the records it has: the places it lacks are default entries, sorted
    // in with the rest. A file that is there but unreadable is left alone.
    const HighScoreFile::Contents contents = HighScoreFile::read(path);
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
    if (const FileResult<> made = SafeFile::makeFolders(services.highScoreFolder()); !made.ok) {
        out.message = {HighScoresNotSavedTitle, highScoresNotSavedText(path, made.error)};
        return out;
    }
    TableLock lock(path);
    if (const FileResult<> locked = lock.acquire(); !locked.ok) {
        out.message = {HighScoresNotSavedTitle, highScoresNotSavedText(path, locked.error)};
        return out;
    }
    if (showRead(HighScoreFile::read(path)))
        return out;
    if (const FileResult<> written = HighScoreFile::write(path, out.show.table); !written.ok)
        out.message = {HighScoresNotSavedTitle, highScoresNotSavedText(path, written.error)};
    return out;
}
