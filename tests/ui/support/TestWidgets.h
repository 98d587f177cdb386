// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests reach a window's controls the way a user or a screen reader does: by the object
// names the windows give them, not through the window's members.
#pragma once

#include <QObject>
#include <QString>

// A window's control by its object name; a missing one stops the test at once.
template <typename T> T* find(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}
