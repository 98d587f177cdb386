// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Wheel.h"

#include "Clock.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

Wheel::Ring::Ring() {
    for (int k = 0; k < RingSize; ++k)
        slots_[static_cast<std::size_t>(k)] = k;
}

void Wheel::Ring::step() {
    std::rotate(slots_.begin(), slots_.begin() + 1, slots_.end());
}

namespace {
// A text with the disambiguation translators see it under.
struct Text {
    const char* source;
    const char* comment;
    QString translated() const { return QCoreApplication::translate("Wheel", source, comment); }
};

// The spin values as GameState keeps them: the rules read their English (Scoring.h).
const Text Values[8] = {QT_TRANSLATE_NOOP3("Wheel", "All Points Lost", "spin value"),
                        QT_TRANSLATE_NOOP3("Wheel", "100 Points", "spin value"),
                        QT_TRANSLATE_NOOP3("Wheel", "200 Points", "spin value"),
                        QT_TRANSLATE_NOOP3("Wheel", "300 Points", "spin value"),
                        QT_TRANSLATE_NOOP3("Wheel", "400 Points", "spin value"),
                        QT_TRANSLATE_NOOP3("Wheel", "500 Points", "spin value"),
                        QT_TRANSLATE_NOOP3("Wheel", "50 Points", "spin value"),
                        QT_TRANSLATE_NOOP3("Wheel", "Double", "spin value")};
} // namespace

QString Wheel::colorName(int colorNumber) {
    static const Text names[RingSize] = {QT_TRANSLATE_NOOP3("Wheel", "black", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "blue", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "green", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "cyan", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "red", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "magenta", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "dark yellow", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "light grey", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "grey", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "light blue", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "light green", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "light cyan", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "light red", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "light magenta", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "yellow", "lamp colour"),
                                         QT_TRANSLATE_NOOP3("Wheel", "white", "lamp colour")};
    return names[colorNumber & (RingSize - 1)].translated();
}

Wheel::Result Wheel::resultFor(int colorNumber) {
    const int value = colorNumber & 7; // the ring holds colours 0 to 15
    return {QString::fromLatin1(Values[value].source), value == 0};
}

QString Wheel::valueName(const QString& spinValue) {
    for (const Text& value : Values)
        if (spinValue == QLatin1String(value.source))
            return value.translated();
    return spinValue;
}

bool Wheel::turn(Ring& ring, RandomSource& random, const std::function<bool(const Ring&)>& afterStep) {
    auto oneStep = [&] {
        ring.step();
        return afterStep(ring);
    };
    for (int k = 0; k < FirstSteps; ++k)
        if (!oneStep())
            return false;
    // The stop draw is a single-precision number compared with the double 0.001.
    while (static_cast<double>(static_cast<float>(random.next())) > StopChance)
        if (!oneStep())
            return false;
    return true;
}

int Wheel::stepsToStop(RandomSource& random) {
    Ring scratch;
    int steps = 0;
    turn(scratch, random, [&](const Ring&) { return ++steps, true; });
    return steps;
}

int Wheel::stepsShownAt(qint64 elapsedMs, int totalSteps) {
    if (elapsedMs >= SpinMs || totalSteps <= 0)
        return std::max(totalSteps, 0);
    if (elapsedMs <= 0)
        return 0;
    const double left = 1.0 - double(elapsedMs) / SpinMs;
    return std::min(totalSteps, int(std::floor(totalSteps * (1.0 - left * left * left))));
}
