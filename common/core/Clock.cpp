// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Clock.h"

#include <QTime>
#include <cmath>
#include <cstring>

QDate SystemClock::today() const {
    return QDate::currentDate();
}

double SystemClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void SystemRandom::reseed(double secondsSinceMidnight) {
    // Mix in the whole bit pattern, so that seeds a millisecond apart give unrelated streams.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    std::seed_seq seq{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    engine_.seed(seq);
}

double SystemRandom::next() {
    const double r = std::generate_canonical<double, 53>(engine_);
    // Some standard libraries can round up to exactly 1; the draw must stay below it.
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}
