// The colour wheel: a ring of sixteen colour numbers that turns one place at a time, the
// sixteen-colour palette the lamps show, and what the colour under the arrow is worth.
#pragma once

#include <QString>
#include <array>
#include <functional>

class QColor;
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

// The standard sixteen-colour palette: 0 black, 1 blue, ... 15 white.
QColor paletteColor(int colorNumber);

struct Result {
    QString spinValue;  // the text the status panel shows
    bool allPointsLost; // the score is wiped and the player spins again
};

// What the colour number left in the middle lamp is worth; c and c + 8 are worth the same.
Result resultFor(int colorNumber);

// Turns the ring FirstSteps places, then one place more for every draw above StopChance
// (drawn in single precision). afterStep runs after every step, for the window to show the
// lamps; when it returns false the wheel stops at once and turn returns false (no result).
bool turn(Ring& ring, RandomSource& random, const std::function<bool(const Ring&)>& afterStep);

} // namespace Wheel
