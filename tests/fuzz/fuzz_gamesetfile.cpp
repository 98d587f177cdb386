// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the .kazset reader with arbitrary bytes. Beyond not crashing, not leaking and not
// hanging, it checks the reader's promises: a refusal names its line, an accepted set has 1 to
// 101 pairs and a valid date, and whatever it accepts our writer writes and our reader reads
// back as the same set (except that the writer turns a double quote into an apostrophe, which
// the format cannot carry, and a set read as UTF-8 is written in Windows-1252), and writing
// that again gives the same bytes.
#include "AnsiText.h"
#include "FuzzCheck.h"
#include "GameSetFile.h"

#include <cstddef>
#include <cstdint>

namespace {

QString writable(QString text) {
    return AnsiText::decode(AnsiText::encode(text.replace(u'"', u'\'')));
}

bool sameSet(const GameSet& a, const GameSet& b) {
    if (a.title != b.title || a.author != b.author || a.date != b.date || a.info != b.info ||
        a.pairs.size() != b.pairs.size())
        return false;
    for (qsizetype k = 0; k < a.pairs.size(); ++k) {
        if (a.pairs[k].Clue != b.pairs[k].Clue || a.pairs[k].Puzzle != b.pairs[k].Puzzle)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const GameSetReadResult first = GameSetFile::read(bytes);
    if (!first.ok) {
        FUZZ_CHECK(first.error.startsWith(QLatin1String("line ")), "a refusal names its line");
        return 0;
    }
    FUZZ_CHECK(first.error.isEmpty(), "an accepted set carries no error");
    FUZZ_CHECK(first.value.pairs.size() >= 1 && first.value.pairs.size() <= MaxPuzzles, "1 to 101 pairs");
    FUZZ_CHECK(first.value.date.isValid(), "a valid date");

    GameSet expected = first.value;
    expected.title = writable(expected.title);
    expected.author = writable(expected.author);
    expected.info = writable(expected.info);
    for (PuzzleEntry& e : expected.pairs) {
        e.Clue = writable(e.Clue);
        e.Puzzle = writable(e.Puzzle);
    }

    const QByteArray written = GameSetFile::write(first.value);
    const GameSetReadResult second = GameSetFile::read(written);
    FUZZ_CHECK(second.ok, "what the reader accepts, written, reads back");
    FUZZ_CHECK(sameSet(second.value, expected), "and reads back as the same set");
    FUZZ_CHECK(GameSetFile::write(second.value) == written, "and writes the same bytes again");
    return 0;
}
