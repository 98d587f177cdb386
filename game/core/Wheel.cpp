// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Wheel.h"

#include "Clock.h"

#include <algorithm>
#include <cmath>

Wheel::Ring::Ring() {
    for (int k = 0; k < RingSize; ++k)
        slots_[static_cast<std::size_t>(k)] = k;
}

void Wheel::Ring::step() {
    std::rotate(slots_.begin(), slots_.begin() + 1, slots_.end());
}

QString Wheel::colorName(int colorNumber) {
    static const char* const names[RingSize] = {"black",     "blue",          "green",       "cyan",
                                                "red",       "magenta",       "dark yellow", "light grey",
                                                "grey",      "light blue",    "light green", "light cyan",
                                                "light red", "light magenta", "yellow",      "white"};
    return QString::fromLatin1(names[colorNumber & (RingSize - 1)]);
}

Wheel::Result Wheel::resultFor(int colorNumber) {
    static const char* const values[8] = {"All Points Lost", "100 Points", "200 Points", "300 Points",
                                          "400 Points",      "500 Points", "50 Points",  "Double"};
    const int value = colorNumber & 7; // the ring holds colours 0 to 15
    return {QString::fromLatin1(values[value]), value == 0};
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
