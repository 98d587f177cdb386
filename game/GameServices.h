// What the game's windows are handed instead of reaching for the platform themselves:
// the modal boxes and dialogs, the clock, the random source, the wheel's pace and the
// program folder.
#pragma once

#include <QString>

class UiLayer;
class Clock;
class RandomSource;
class SystemInfoTool;
class SpinPace;

struct GameServices {
    UiLayer* ui = nullptr;
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    QString folder;                    // help file and sample sets, ending in a separator
    QString scoreFolder;               // hs.lst's folder; empty: the same as folder
    SystemInfoTool* sysInfo = nullptr; // null: the About window uses the real look-ups
    SpinPace* pace = nullptr;          // null: the wheel turns in real time

    // The one place that says where hs.lst lives.
    QString highScoreFolder() const { return scoreFolder.isEmpty() ? folder : scoreFolder; }
};
