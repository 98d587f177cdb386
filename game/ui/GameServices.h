// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game's windows are handed instead of reaching for the platform themselves:
// the modal boxes and dialogs, the clock, the random source, the wheel's pace, the sound
// output, the preferences and the program folder. The high-score rules take only their part
// of it (HighScoreServices).
#pragma once

#include "HighScoreServices.h"

class UiLayer;
class RandomSource;
class SystemInfoTool;
class SpinPace;
class SoundOutput;
class PreferenceStore;

// Every service is required: main builds the platform's, tests hand in doubles, so no
// window quietly reaches for the real clock or drops a message.
struct GameServices : HighScoreServices {
    GameServices(UiLayer& ui, Clock& clock, RandomSource& random, SpinPace& pace, SystemInfoTool& sysInfo,
                 SoundOutput& sound, PreferenceStore& preferences, QString folder = QString(),
                 QString scoreFolder = QString())
        : HighScoreServices(clock, std::move(folder), std::move(scoreFolder)), ui(&ui), random(&random),
          pace(&pace), sysInfo(&sysInfo), sound(&sound), preferences(&preferences) {}

    // Never null.
    UiLayer* ui;
    RandomSource* random;
    SpinPace* pace;
    SystemInfoTool* sysInfo;
    SoundOutput* sound;
    PreferenceStore* preferences;
    // Where File, Load A Game Set starts, ending in a separator; empty: the program folder.
    QString setsFolder;
};
