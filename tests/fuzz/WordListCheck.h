// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The promise both word-list fuzz targets check: whatever pairs an import accepts, exported as
// CSV and imported again into an empty set, are the same pairs, and a refusal of a whole file
// says why.
#pragma once

#include "FuzzCheck.h"
#include "ImportRules.h"
#include "WordList.h"

inline void checkWordList(const QByteArray& bytes, WordList::Format format) {
    const auto list = WordList::parse(bytes, format);
    if (!list.ok) {
        FUZZ_CHECK(!list.error.isEmpty(), "a refused file says why");
        return;
    }
    const ImportRules::Outcome first = ImportRules::apply(list.value, 0);
    FUZZ_CHECK(first.added.size() <= MaxPuzzles, "no more than a set's 101 pairs");
    const auto again = WordList::parse(WordList::writeCsv(first.added), WordList::Format::Csv);
    FUZZ_CHECK(again.ok, "the exported pairs read back");
    const ImportRules::Outcome second = ImportRules::apply(again.value, 0);
    FUZZ_CHECK(second.refused.isEmpty() && second.added.size() == first.added.size(), "every pair again");
    for (qsizetype i = 0; i < first.added.size(); ++i)
        FUZZ_CHECK(first.added[i].Clue == second.added[i].Clue &&
                       first.added[i].Puzzle == second.added[i].Puzzle,
                   "as the same pair");
}
