// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FontFit.h"

#include <algorithm>
#include <cmath>

QFont FontFit::timesNewRoman(double pointSize) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    return font;
}

QFont FontFit::shrinkToFit(const QFont& designed, double smallest, double step,
                           const std::function<bool(const QFont&)>& fits) {
    const double top = designed.pointSizeF();
    if (top <= smallest)
        return designed;
    // Candidate k is top - k step; the last one is `smallest` itself.
    const int last = static_cast<int>(std::ceil((top - smallest) / step - 1e-9));
    auto sized = [&](int k) {
        QFont font = designed;
        if (k > 0)
            font.setPointSizeF(std::max(smallest, top - k * step));
        return font;
    };
    // The smallest k whose font fits, among 0 .. last - 1; `last` when none does.
    int low = 0, high = last;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (fits(sized(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    return sized(low);
}
