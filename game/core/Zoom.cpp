// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Zoom.h"

#include <algorithm>

bool Zoom::isStep(int percent) {
    return std::find(Steps.begin(), Steps.end(), percent) != Steps.end();
}

int Zoom::nextStep(int percent) {
    const auto it = std::upper_bound(Steps.begin(), Steps.end(), percent);
    return it == Steps.end() ? 0 : *it;
}

int Zoom::previousStep(int percent) {
    const auto it = std::lower_bound(Steps.begin(), Steps.end(), percent);
    return it == Steps.begin() ? 0 : *(it - 1);
}

int Zoom::largestFitting(const std::function<bool(int)>& fits, int most) {
    for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
        if (*it <= most && fits(*it))
            return *it;
    return ActualSize;
}
