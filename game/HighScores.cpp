#include "HighScores.h"

#include "Clock.h"
#include "OleDate.h"
#include "TextFormat.h"
#include "UiLayer.h"

#include <utility>

namespace {
QDate todayFrom(const GameServices& services) {
    if (services.clock)
        return services.clock->today();
    return SystemClock().today();
}
} // namespace

HighScoreRecord KazMod::FinishedGameEntry(const QString& playerName, double finalScore, const QDate& today,
                                          const QString& setTitle) {
    HighScoreRecord r;
    r.PlayerName = playerName;
    r.FinalScore = finalScore;
    r.DatePlayed = OleDate::fromDate(today);
    r.GameSetTitle = setTitle;
    return r;
}

void KazMod::SortHighScores(std::array<HighScoreRecord, 11>& places) {
    // Always all twenty passes: a new entry at the bottom climbs one place a pass, so ten
    // would do, and the rest cost nothing worth saving.
    for (int pass = 0; pass < 20; ++pass)
        for (std::size_t j = 0; j + 1 < places.size(); ++j)
            if (places[j + 1].FinalScore > places[j].FinalScore)
                std::swap(places[j], places[j + 1]);
}

HighScoreTable KazMod::MergeHighScore(const HighScoreTable& table, const HighScoreRecord& entry) {
    std::array<HighScoreRecord, 11> places;
    for (std::size_t n = 0; n < table.size(); ++n)
        places[n] = table[n];
    places[10] = entry;
    SortHighScores(places);
    HighScoreTable out;
    for (std::size_t n = 0; n < out.size(); ++n)
        out[n] = places[n];
    return out;
}

HighScoreTable KazMod::FreshHighScoreTable(const HighScoreRecord& entry, const QDate& today) {
    HighScoreTable table = HighScoreFile::completed({}, today);
    table[0] = entry;
    return table;
}

KazMod::HighScoresToShow KazMod::TableToShow(const HighScoreFile::Contents& contents, const QDate& today) {
    HighScoresToShow show;
    if (contents.status == HighScoreFile::Contents::Readable) {
        show.table = HighScoreFile::completed(contents.records, today);
    } else {
        show.table = HighScoreFile::completed({}, today);
        show.writeFreshTable = true;
    }
    return show;
}

QStringList KazMod::HighScoreRowTexts(const HighScoreRecord& record) {
    return {record.PlayerName.trimmed(), TextFormat::generalNumber(record.FinalScore),
            TextFormat::shortDate(OleDate::toDate(record.DatePlayed)), record.GameSetTitle.trimmed()};
}

QString KazMod::HighScoresNotSavedText(const QString& path, const QString& reason) {
    return QStringLiteral("The high-score file could not be written:") + TextFormat::CrLf + path +
           TextFormat::CrLf + reason;
}

void KazMod::RecordHighScore(const GameState& state, const GameServices& services, QWidget* parent,
                             const QString& playerName, double finalScore) {
    if (state.GameInProgress)
        return;
    const QString path = HighScoreFile::path(services.highScoreFolder());
    const QDate today = todayFrom(services);
    const HighScoreRecord entry = FinishedGameEntry(playerName, finalScore, today, state.SetTitle);

    // A file that cannot be read gets a fresh table. A short one keeps the records it has:
    // the places it lacks are default entries, sorted in with the rest.
    const HighScoreFile::Contents contents = HighScoreFile::read(path);
    const HighScoreTable table =
        contents.status == HighScoreFile::Contents::Readable
            ? MergeHighScore(HighScoreFile::completed(contents.records, today), entry)
            : FreshHighScoreTable(entry, today);

    // A failed write leaves the old file whole; writing a fresh table instead would throw
    // away the records just read, so the player is told and the game goes on.
    QString error;
    if (!HighScoreFile::write(path, table, &error) && services.ui)
        services.ui->messageBox(parent, HighScoresNotSavedText(path, error), HighScoresNotSavedTitle,
                                MsgButtons::Ok, MsgIcon::Stop);
}
