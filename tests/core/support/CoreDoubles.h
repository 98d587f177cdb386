// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Test doubles for the clock and the random source: a fixed day and time, and draws from a
// script, so a test can fix the day and force any draw (every wheel result, every slot).
#pragma once

#include "Clock.h"

#include <QDate>
#include <QList>
#include <QQueue>

class FixedClock : public Clock {
public:
    QDate day{2001, 2, 25};
    double seconds = 43200.0;
    QDate today() const override { return day; }
    double secondsSinceMidnight() const override { return seconds; }
};

class ScriptedRandom : public RandomSource {
public:
    QQueue<double> values;  // draws, in order
    double whenEmpty = 0.0; // draw once the queue is used up
    QList<double> seeds;    // every reseed, recorded
    void reseed(double secondsSinceMidnight) override { seeds.append(secondsSinceMidnight); }
    double next() override { return values.isEmpty() ? whenEmpty : values.dequeue(); }
};
