// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours the lamps show and the pace a spin is shown at, apart from the wheel's rules
// so that those link without Qt GUI.
#include "WheelPalette.h"

#include <QColor>
#include <QEventLoop>
#include <QTimer>
#include <array>

QColor Wheel::paletteColor(int colorNumber) {
    static const std::array<QColor, RingSize> palette = {
        QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255)};
    return palette.at(static_cast<std::size_t>(colorNumber & (RingSize - 1)));
}

void RealTimePace::start() {
    clock_.start();
}

qint64 RealTimePace::elapsedMs() const {
    return clock_.elapsed();
}

void RealTimePace::nextFrame() {
    QEventLoop loop;
    QTimer::singleShot(Wheel::FrameMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
