// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The outcome of one file operation, the same for every reader and writer in both programs:
// it worked (with what was read, if anything), or it did not, with the reason in words a
// player can be shown. "No such file" is told apart, because only that means "nothing saved
// yet"; every other failure is a real error and the file is left alone.
#pragma once

#include <QString>
#include <utility>

struct NoValue {};

template <typename T = NoValue> struct FileResult {
    bool ok = false;
    bool missing = false; // failed only because the file does not exist
    QString error;        // why not, for the player; empty when ok
    T value{};

    static FileResult success(T v = T{}) {
        FileResult r;
        r.ok = true;
        r.value = std::move(v);
        return r;
    }
    static FileResult failure(QString why, bool isMissing = false) {
        FileResult r;
        r.error = std::move(why);
        r.missing = isMissing;
        return r;
    }
    // The same failure for an operation with another kind of value.
    template <typename U> static FileResult failure(const FileResult<U>& other) {
        return failure(other.error, other.missing);
    }
};
