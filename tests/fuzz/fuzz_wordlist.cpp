// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the CSV and TSV readers with arbitrary bytes (each input read both ways): beyond not
// crashing, leaking or hanging, what they accept exports and imports again as the same pairs.
#include "WordListCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkWordList(bytes, WordList::Format::Csv);
    checkWordList(bytes, WordList::Format::Tsv);
    return 0;
}
