// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the KVTML reader with arbitrary bytes: beyond not crashing, leaking or hanging, what
// it accepts exports and imports again as the same pairs, and invalid XML refuses the file.
#include "WordListCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkWordList(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                  WordList::Format::Kvtml);
    return 0;
}
