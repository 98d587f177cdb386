// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Side windows that open in the middle of the screen rather than over their owner.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ScreenCentre {
// Moves a window (before it is shown) so that it opens centred on its screen.
inline void place(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
} // namespace ScreenCentre
