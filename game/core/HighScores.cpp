// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HighScores.h"

#include "Clock.h"
#include "OleDate.h"
#include "TextFormat.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>
#include <utility>

namespace {
// Where the places are ranked: a score that is not a finite number ranks lowest.
double rank(double score) {
    return std::isfinite(score) ? score : -std::numeric_limits<double>::infinity();
}

QString noFolderReason() {
    return QCoreApplication::translate("HighScores", "the program's own folder could not be found");
}

// Without a folder of its own the game writes nowhere at all, rather than somewhere else.
HighScoreMessage noFolderMessage() {
    return {KazMod::highScoresNotSavedTitle(), KazMod::highScoresNotSavedText(QString(), noFolderReason())};
}

// What a failed update tells the player: the table was not saved, and why.
HighScoreMessage notSavedMessage(const QString& path, const HighScoreFile::Updated& updated) {
    return {KazMod::highScoresNotSavedTitle(), updated.failure == HighScoreFile::Updated::Failure::Unreadable
                                                   ? KazMod::highScoresNotReadText(path, updated.error)
                                                   : KazMod::highScoresNotSavedText(path, updated.error)};
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
    // A place no game has taken yet says so in the language spoken; the file keeps its English
    // placeholder, which every player's program shares.
    QString title = record.GameSetTitle.trimmed();
    if (title == u"Not Played" && record.PlayerName.trimmed() == u"Orvendel" && record.FinalScore == 1.0)
        title = QCoreApplication::translate("HighScores", "Not Played");
    return {record.PlayerName.trimmed(), TextFormat::generalNumber(record.FinalScore),
            TextFormat::shortDate(OleDate::toDate(record.DatePlayed)), title};
}

QString KazMod::highScoresNotSavedTitle() {
    return QCoreApplication::translate("HighScores", "High Scores Not Saved");
}

QString KazMod::highScoresNotReadTitle() {
    return QCoreApplication::translate("HighScores", "High Scores Not Read");
}

QString KazMod::highScoresNotSavedText(const QString& path, const QString& reason) {
    QString text = QCoreApplication::translate("HighScores", "The high-score file could not be written:") +
                   TextFormat::CrLf;
    if (!path.isEmpty())
        text += path + TextFormat::CrLf;
    return text + reason;
}

QString KazMod::highScoresNotReadText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("HighScores", "The high-score file could not be read:") +
           TextFormat::CrLf + path + TextFormat::CrLf + reason;
}

std::optional<HighScoreMessage> KazMod::RecordHighScore(const GameState& state,
                                                        const HighScoreServices& services,
                                                        const QString& playerName, double finalScore) {
    if (state.GameInProgress)
        return std::nullopt;
    const QString path = HighScoreFile::path(services.highScoreFolder());
    if (path.isEmpty())
        return noFolderMessage();
    const QDate today = services.clock->today();
    const HighScoreRecord entry = finishedGameEntry(playerName, finalScore, today, state.SetTitle);
    // A short file keeps the records it has: the places it lacks are default entries, sorted
    // in with the rest.
    const HighScoreFile::Updated updated =
        HighScoreFile::update(path, [&](const HighScoreFile::Contents& contents) {
            return contents.ok ? mergeHighScore(HighScoreFile::completed(contents.value, today), entry)
                               : freshHighScoreTable(entry, today);
        }, services.makeScoreFolder);
    if (updated.ok())
        return std::nullopt;
    return notSavedMessage(path, updated);
}

KazMod::HighScoresForWindow KazMod::loadHighScores(const HighScoreServices& services) {
    using Contents = HighScoreFile::Contents;
    HighScoresForWindow out;
    const QDate today = services.clock->today();
    const QString path = HighScoreFile::path(services.highScoreFolder());
    if (path.isEmpty()) {
        out.show = tableToShow(Contents::failure(noFolderReason(), true), today);
        out.show.writeFreshTable = false;
        out.message = noFolderMessage();
        return out;
    }
    // A table that is there is shown as it is, read at once, and never rewritten.
    Contents contents = HighScoreFile::read(path);
    if (contents.missing) {
        // No table yet: write the default one, unless a game finishing in another window
        // wrote a real one meanwhile.
        const HighScoreFile::Updated updated =
            HighScoreFile::update(path, [&](const Contents& found) -> std::optional<HighScoreTable> {
                contents = found;
                if (found.ok)
                    return std::nullopt;
                return HighScoreFile::completed({}, today);
            }, services.makeScoreFolder);
        if (updated.failure == HighScoreFile::Updated::Failure::Unreadable)
            contents = Contents::failure(updated.error);
        else if (!updated.ok())
            out.message = notSavedMessage(path, updated);
    }
    out.show = tableToShow(contents, today);
    if (out.show.unreadable)
        out.message = HighScoreMessage{highScoresNotReadTitle(), highScoresNotReadText(path, contents.error)};
    return out;
}
