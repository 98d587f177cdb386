// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the high-score file "hs.lst": its reader, the merge of a finished game into it (the
// game's own RecordHighScore, on a real file) and the rows the high-score window shows.
//
// One input is the finished game's score (8 bytes, little-endian double), the length of its
// player's name (1 byte) and the name (Windows-1252), then the bytes of hs.lst; the seeds are
// made by make-highscore-seeds. Beyond not crashing, not leaking and not hanging, it checks
// that the reader takes every whole record and loses no byte of one, that the merge writes
// exactly the eleven places sorted (best first, equal scores in their earlier order) with the
// lowest dropped, and that the file it writes reads back as the same ten records.
#include "../core/support/CoreDoubles.h"
#include "../core/support/TestFiles.h"
#include "AnsiText.h"
#include "Clock.h"
#include "FuzzCheck.h"
#include "HighScoreFile.h"
#include "HighScoreServices.h"
#include "HighScores.h"
#include "KazMod.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Workspace {
    QTemporaryDir dir;
    QString folder = dir.path() + u'/';
    QString path = dir.filePath(HighScoreFile::FileName);
};

Workspace& workspace() {
    static Workspace w;
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 9)
        return 0;
    Workspace& w = workspace();
    FUZZ_CHECK(w.dir.isValid(), "a temporary folder for hs.lst");

    std::uint64_t scoreBits = 0;
    std::memcpy(&scoreBits, data, sizeof scoreBits);
    const double score = std::bit_cast<double>(qFromLittleEndian(scoreBits));
    const size_t nameBytes = std::min<size_t>(data[8], size - 9);
    const QString name =
        AnsiText::decode(QByteArray(reinterpret_cast<const char*>(data + 9), qsizetype(nameBytes)));
    const QByteArray file(reinterpret_cast<const char*>(data + 9 + nameBytes),
                          qsizetype(size - 9 - nameBytes));

    {
        QFile f(w.path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(file) == file.size(),
                   "the input written as hs.lst");
    }

    // The reader: every whole record up to ten, each one byte for byte.
    const HighScoreFile::Contents contents = HighScoreFile::read(w.path);
    FUZZ_CHECK(contents.ok, "an existing file is readable");
    const qsizetype whole =
        std::min<qsizetype>(file.size() / HighScoreFile::RecordBytes, HighScoreFile::RecordCount);
    FUZZ_CHECK(contents.value.size() == whole, "every whole record, at most ten");
    for (qsizetype k = 0; k < whole; ++k)
        FUZZ_CHECK(HighScoreFile::encodeRecord(contents.value[k]) ==
                       file.mid(k * HighScoreFile::RecordBytes, HighScoreFile::RecordBytes),
                   "a record read and written again gives its own bytes");

    // What the high-score window shows of it.
    FixedClock clock; // the day: 25 Feb 2001
    const KazMod::HighScoresToShow show = KazMod::tableToShow(contents, clock.today());
    FUZZ_CHECK(!show.writeFreshTable, "a readable file is never replaced by the window");
    for (const HighScoreRecord& r : show.table)
        FUZZ_CHECK(KazMod::highScoreRowTexts(r).size() == 4, "four columns a row");

    // The merge, as a solved game runs it.
    GameState state;
    state.SetTitle = QStringLiteral("Fuzzed Set");
    const HighScoreServices services(clock, w.folder);
    FUZZ_CHECK(!KazMod::RecordHighScore(state, services, name, score), "the merge is saved");
    const QByteArray after = TestFiles::readAll(w.path);
    FUZZ_CHECK(after.size() == HighScoreFile::FileBytes, "the merge writes ten whole records");

    // Independently: the eleven places, sorted best first, equal scores in their earlier order.
    std::vector<HighScoreRecord> places;
    for (const HighScoreRecord& r : HighScoreFile::completed(contents.value, clock.today()))
        places.push_back(r);
    places.push_back(KazMod::finishedGameEntry(name, score, clock.today(), state.SetTitle));
    // A score that is not a finite number ranks below every other.
    auto rank = [](const HighScoreRecord& r) {
        return std::isfinite(r.FinalScore) ? r.FinalScore : -INFINITY;
    };
    {
        std::stable_sort(
            places.begin(), places.end(),
            [&](const HighScoreRecord& a, const HighScoreRecord& b) { return rank(a) > rank(b); });
        for (int n = 0; n < HighScoreFile::RecordCount; ++n)
            FUZZ_CHECK(HighScoreFile::encodeRecord(places[n]) ==
                           after.mid(n * HighScoreFile::RecordBytes, HighScoreFile::RecordBytes),
                       "the merge keeps the ten best in order, the earlier of equal scores first");
    }

    // What was written reads back as the same ten records.
    const HighScoreFile::Contents back = HighScoreFile::read(w.path);
    FUZZ_CHECK(back.value.size() == HighScoreFile::RecordCount, "ten records read back");
    for (int n = 0; n < HighScoreFile::RecordCount; ++n)
        FUZZ_CHECK(HighScoreFile::encodeRecord(back.value[n]) ==
                       after.mid(n * HighScoreFile::RecordBytes, HighScoreFile::RecordBytes),
                   "the written table reads back the same");
    return 0;
}
