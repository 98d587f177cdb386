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
