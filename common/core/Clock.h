// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock and the random source, injected so that tests can fix the day and force any
// draw (every wheel result, every puzzle slot).
#pragma once

#include <QDate>
#include <random>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual double secondsSinceMidnight() const = 0;
};

class SystemClock : public Clock {
public:
    QDate today() const override;
    double secondsSinceMidnight() const override;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Re-seeds from a time of day, as every new game and every spin does.
    virtual void reseed(double secondsSinceMidnight) = 0;
    // Uniform on [0, 1).
    virtual double next() = 0;
};

class SystemRandom : public RandomSource {
public:
    void reseed(double secondsSinceMidnight) override;
    double next() override;

private:
    std::mt19937_64 engine_{std::random_device{}()};
};
