// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the high-score file needs from the platform: the clock (the day a game is won) and
// the folders where hs.lst lives. The windows' GameServices extends it.
#pragma once

#include <QString>
#include <utility>

class Clock;

struct HighScoreServices {
    HighScoreServices(Clock& clock, QString folder = QString(), QString scoreFolder = QString())
        : clock(&clock), folder(std::move(folder)), scoreFolder(std::move(scoreFolder)) {}

    Clock* clock;        // never null
    QString folder;      // help file and sample sets, ending in a separator
    QString scoreFolder; // hs.lst's folder; empty: the same as folder
    // False for a class's folder (set by the administrator, or --scores): it is used as it
    // is, never made as one player's private folder.
    bool makeScoreFolder = true;

    // The one place that says where hs.lst lives.
    QString highScoreFolder() const { return scoreFolder.isEmpty() ? folder : scoreFolder; }
};
