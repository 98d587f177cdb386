// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the wheel looks like on screen: the lamps' colours and the real-time pace of a spin,
// which runs the window's events between frames. The wheel's rules are in Wheel.h.
#pragma once

#include "Wheel.h"

#include <QElapsedTimer>

class QColor;

namespace Wheel {
// The standard sixteen-colour palette: 0 black, 1 blue, ... 15 white.
QColor paletteColor(int colorNumber);
} // namespace Wheel

// Real time: the window keeps taking events until the next frame is due.
class RealTimePace : public SpinPace {
public:
    void start() override;
    qint64 elapsedMs() const override;
    void nextFrame() override;

private:
    QElapsedTimer clock_;
};
