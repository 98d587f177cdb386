// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's zoom steps: the designed size times 1, 1.25, 1.5, 2, 2.5 or 3. Steps are
// whole percentages, so the preferences file and the menu speak of the same figures; the
// window's geometry helper turns a step's factor into pixels.
#pragma once

#include <array>
#include <functional>

namespace Zoom {
inline constexpr std::array<int, 6> Steps = {100, 125, 150, 200, 250, 300};
inline constexpr int ActualSize = 100;

bool isStep(int percent);
// The step above or below percent; 0 when there is none.
int nextStep(int percent);
int previousStep(int percent);
inline double factor(int percent) {
    return percent / 100.0;
}
// The largest step at most `most` for which fits(step) holds; the actual size when none does.
int largestFitting(const std::function<bool(int percent)>& fits, int most = Steps.back());
} // namespace Zoom
