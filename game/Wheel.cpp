#include "Wheel.h"

#include "Clock.h"

#include <algorithm>

Wheel::Ring::Ring() {
    for (int k = 0; k < RingSize; ++k)
        slots_[static_cast<std::size_t>(k)] = k;
}

void Wheel::Ring::step() {
    std::rotate(slots_.begin(), slots_.begin() + 1, slots_.end());
}

Wheel::Result Wheel::resultFor(int colorNumber) {
    switch (colorNumber % 8) {
    case 0:
        return {QStringLiteral("All Points Lost"), true};
    case 1:
        return {QStringLiteral("100 Points"), false};
    case 2:
        return {QStringLiteral("200 Points"), false};
    case 3:
        return {QStringLiteral("300 Points"), false};
    case 4:
        return {QStringLiteral("400 Points"), false};
    case 5:
        return {QStringLiteral("500 Points"), false};
    case 6:
        return {QStringLiteral("50 Points"), false};
    default:
        return {QStringLiteral("Double"), false};
    }
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
