// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour wheel: a ring of sixteen colour numbers that turns one place at a time, the
// names of the colours the lamps show, what the colour under the arrow is worth, and the
// pace at which a spin's steps are shown. The colours themselves and the real-time pace are
// the window library's (WheelPalette.h).
#pragma once

#include <QString>
#include <array>
#include <functional>

class RandomSource;

namespace Wheel {

inline constexpr int RingSize = 16;
inline constexpr int LampCount = 5;
inline constexpr int MiddleLamp = 2; // the lamp above the arrow
inline constexpr int FirstSteps = 101;
inline constexpr double StopChance = 0.001;

// Slot k holds colour number k until the ring is turned.
class Ring {
public:
    Ring();
    // One place to the left: each lamp takes the colour its right-hand neighbour had.
    void step();
    int slot(int j) const { return slots_.at(static_cast<std::size_t>(j)); }
    int middle() const { return slot(MiddleLamp); }

private:
    std::array<int, RingSize> slots_{};
};

// The palette's own name for a colour ("light blue"), as a screen reader says it, in the
// language spoken.
QString colorName(int colorNumber);

struct Result {
    QString spinValue;  // the text the status panel shows, in English: the rules read it
    bool allPointsLost; // the score is wiped and the player spins again
};
// A spin value ("Double") as the status panel and a screen reader show it, in the language
// spoken; empty stays empty.
QString valueName(const QString& spinValue);

// What the colour number left in the middle lamp is worth; c and c + 8 are worth the same.
Result resultFor(int colorNumber);

// Turns the ring FirstSteps places, then one place more for every draw above StopChance
// (drawn in single precision). afterStep runs after every step, for the window to show the
// lamps; when it returns false the wheel stops at once and turn returns false (no result).
bool turn(Ring& ring, RandomSource& random, const std::function<bool(const Ring&)>& afterStep);

// The number of steps a spin makes, found by turning a scratch ring: the same draws, in the
// same order, as turn. Knowing it before the first step is shown lets the spin be paced.
int stepsToStop(RandomSource& random);

// How long a spin is shown. On a fast machine the bare loop is over in a blink, so the steps
// are spread over this time, fast at first and slowing to the stop.
inline constexpr int SpinMs = 2500;
inline constexpr int FrameMs = 10; // a frame due every 10 ms: well over 50 a second

// How many of totalSteps steps are shown elapsedMs into a spin: a cubic ease-out, so the last
// colours pass the arrow slowly enough to be seen. All of them from SpinMs on.
int stepsShownAt(qint64 elapsedMs, int totalSteps);

} // namespace Wheel

// The clock a spin is paced by, and the wait between two frames of it, during which the
// window's events run (repaints, a close). Tests hand in one that does not wait.
class SpinPace {
public:
    virtual ~SpinPace() = default;
    virtual void start() = 0;
    virtual qint64 elapsedMs() const = 0;
    virtual void nextFrame() = 0;
};
