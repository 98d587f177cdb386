// What the game's windows are handed instead of reaching for the platform themselves:
// the modal boxes and dialogs, the clock, the random source, the wheel's pace, the sound
// output, the preferences and the program folder.
#pragma once

#include <QString>
#include <utility>

class UiLayer;
class Clock;
class RandomSource;
class SystemInfoTool;
class SpinPace;
class SoundOutput;
class PreferenceStore;

// Every service is required: main builds the platform's, tests hand in doubles, so no
// window quietly reaches for the real clock or drops a message.
struct GameServices {
    GameServices(UiLayer& ui, Clock& clock, RandomSource& random, SpinPace& pace, SystemInfoTool& sysInfo,
                 SoundOutput& sound, PreferenceStore& preferences, QString folder = QString(),
                 QString scoreFolder = QString())
        : ui(&ui), clock(&clock), random(&random), pace(&pace), sysInfo(&sysInfo), sound(&sound),
          preferences(&preferences), folder(std::move(folder)), scoreFolder(std::move(scoreFolder)) {}

    // Never null.
    UiLayer* ui;
    Clock* clock;
    RandomSource* random;
    SpinPace* pace;
    SystemInfoTool* sysInfo;
    SoundOutput* sound;
    PreferenceStore* preferences;
    QString folder;      // help file and sample sets, ending in a separator
    QString scoreFolder; // hs.lst's folder; empty: the same as folder

    // The one place that says where hs.lst lives.
    QString highScoreFolder() const { return scoreFolder.isEmpty() ? folder : scoreFolder; }
};
