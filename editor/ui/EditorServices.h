// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the editor's windows are handed instead of reaching for the platform themselves:
// the modal boxes and dialogs, the clock (the day a set is saved) and the program folder.
#pragma once

#include "Settings.h"

#include <QString>

class UiLayer;
class Clock;

// Both services are required, so they are references: main.cpp builds the platform's, tests
// hand in their doubles.
struct EditorServices {
    UiLayer& ui;
    Clock& clock;
    QString folder;                               // help file and sample sets, ending in a separator
    QString setsFolder = QString();               // where the file dialogs start; empty: folder
    Settings::Layers layers = Settings::Layers(); // the Language menu's choice and lock
};
