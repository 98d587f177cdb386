// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What a fuzz target does when a property fails: say which one and abort, so libFuzzer keeps
// the input as a crash and the replay test fails on it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                                          \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "fuzz check failed: %s (%s) at %s:%d\n", what, #condition, __FILE__,        \
                         __LINE__);                                                                          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
