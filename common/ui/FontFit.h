// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Text that has to fit a box of fixed size is drawn in its designed font, or in the largest
// smaller one that fits: the designed size less whole steps, never below a smallest size.
#pragma once

#include <QFont>
#include <functional>

namespace FontFit {

// The largest of designed, designed - step, designed - 2 step, ... (sizes below `smallest`
// become `smallest`) for which fits(font) holds; `smallest` when none does. A smaller font
// never needs more room, so this halves the candidates each try: the fit test is the cost.
QFont shrinkToFit(const QFont& designed, double smallest, double step,
                  const std::function<bool(const QFont&)>& fits);

// Times New Roman at a size; where it is missing, any serif face.
QFont timesNewRoman(double pointSize);

} // namespace FontFit
