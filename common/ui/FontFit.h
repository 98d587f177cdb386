// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Text that has to fit a box of fixed size is drawn in its designed font, or in the largest
// smaller one that fits: the designed size less whole steps, never below a smallest size.
#pragma once

#include <QFont>

class QWidget;
#include <functional>

namespace FontFit {

// The largest of designed, designed - step, designed - 2 step, ... (sizes below `smallest`
// become `smallest`) for which fits(font) holds; `smallest` when none does. A smaller font
// never needs more room, so this halves the candidates each try: the fit test is the cost.
QFont shrinkToFit(const QFont& designed, double smallest, double step,
                  const std::function<bool(const QFont&)>& fits);

// Times New Roman at a size; where it is missing, any serif face.
QFont timesNewRoman(double pointSize);

// Whether a label's or a button's text fits its control in font.
bool textFits(const QWidget* control, const QFont& font);

// Every label and button of a window of fixed-size controls whose text (in another language,
// say) does not fit gets the largest smaller font that does, down to three quarters of its
// designed font (never under 6 points); one that fits again gets its designed font back.
// The designed font is the one a control had when it was first fitted. A text that fits in
// its designed font, as every English one does, is left exactly as it was.
void fitTexts(QWidget* window);

} // namespace FontFit
