// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// How frmCreate lays out its controls: a pure function from the window's outer size (frame
// and title bar included, in twips) to every control's rectangle relative to the client
// area. Every left edge and width follows the width, every top edge and height the height,
// so the layout scales with the window; the window never gets smaller than its design size.
#pragma once

#include <QRectF>
#include <QSizeF>

namespace CreateLayout {

// The outer size of the window at design size, below which it does not shrink.
inline constexpr double MinOuterWidth = 4800.0;
inline constexpr double MinOuterHeight = 6450.0;

// A size with each dimension raised to its minimum where it falls short.
QSizeF correctedOuterSize(double outerWidth, double outerHeight);

// Rounds to the nearest whole number, halves to the even one.
long roundHalfEven(double value);

struct Layout {
    // Twips, relative to the client area's top left corner.
    QRectF Label1, Label2, Label3, Label5;
    QRectF Text1, Text2, Text3;
    QRectF MSFlexGrid1;
    QRectF Command1, Command2, Command3, Command4, Command5, Command6;
    long ClueColumnWidth = 0;   // grid column 0
    long PuzzleColumnWidth = 0; // grid column 1; together 1.05 times the grid, so it scrolls sideways
};

// The grid's two column widths for a grid width: 0.3 and 0.75 of it, whole twips.
void columnWidths(double gridWidth, long* clueColumn, long* puzzleColumn);

// The layout for a window of this outer size, corrected to the minimum first.
Layout compute(double outerWidth, double outerHeight);

} // namespace CreateLayout
