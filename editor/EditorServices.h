// What the editor's windows are handed instead of reaching for the platform themselves:
// the modal boxes and dialogs, the clock (the day a set is saved) and the program folder.
#pragma once

#include <QString>

class UiLayer;
class Clock;

// Both services are required (frmCreate refuses to start without them): main.cpp builds the
// platform's, tests hand in their doubles.
struct EditorServices {
    UiLayer* ui = nullptr;
    Clock* clock = nullptr;
    QString folder; // the program folder, ending in a separator
};
