// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CreateLayout.h"

#include <algorithm>
#include <cmath>

namespace CreateLayout {

namespace {
// A control's position or size is held in single precision: each rule computes its value
// and stores it, and later rules read the stored value back.
struct Box {
    float left = 0, top = 0, width = 0, height = 0;
    QRectF rect() const { return QRectF(left, top, width, height); }
};

float single(double v) {
    return static_cast<float>(v);
}
} // namespace

QSizeF correctedOuterSize(double outerWidth, double outerHeight) {
    return QSizeF(std::max(outerWidth, MinOuterWidth), std::max(outerHeight, MinOuterHeight));
}

long roundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    long result = static_cast<long>(down);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
        ++result;
    return result;
}

void columnWidths(double gridWidth, long* clueColumn, long* puzzleColumn) {
    *clueColumn = roundHalfEven(gridWidth * 0.3);
    *puzzleColumn = roundHalfEven(gridWidth * 0.75);
}

Layout compute(double outerWidth, double outerHeight) {
    const QSizeF size = correctedOuterSize(outerWidth, outerHeight);
    const double W = single(size.width());
    const double H = single(size.height());
    const double g = 0.0205 * H; // a small vertical gap
    const double r = H / 15.0;   // one row of controls

    Box label1, label2, label3, label5, text1, text2, text3, grid;
    Box add, del, save, newSet, load, help;

    // Widths and left edges, in the order the rules read them back.
    for (Box* b : {&label1, &label2, &label3, &label5})
        b->width = single(0.3 * W);
    for (Box* b : {&label1, &label2, &label3, &label5})
        b->left = single(0.05 * W);
    for (Box* b : {&text1, &text2, &text3})
        b->width = single(0.55 * W);
    for (Box* b : {&text1, &text2, &text3})
        b->left = single(0.1 * W + label1.width);
    add.width = del.width = single(0.55 * W);
    add.left = del.left = single(0.1 * W + label1.width);
    for (Box* b : {&save, &newSet, &load, &help})
        b->width = single(0.2 * W);
    save.left = single(0.04 * W);
    newSet.left = single(0.28 * W);
    load.left = single(0.52 * W);
    help.left = single(0.76 * W);
    grid.width = single(0.95 * W);
    grid.left = single(0.015 * W);

    // Heights: the grid, then every row of controls (the multi-line Text3 included).
    grid.height = single(H / 3.5);
    for (Box* b : {&label1, &label2, &label3, &label5, &add, &del, &save, &newSet, &load, &help, &text1,
                   &text2, &text3})
        b->height = single(r);

    // Top edges, from top to bottom.
    label1.top = single(g);
    text1.top = single(g);
    label2.top = single(2 * g + r);
    text2.top = single(2 * g + r);
    label3.top = single(3 * g + 2 * r);
    text3.top = single(3 * g + 2 * r);
    grid.top = single(4 * g + 4 * r);
    label5.top = single(double(grid.top) + grid.height + g);
    add.top = single(double(grid.top) + grid.height + g);
    del.top = single(double(add.top) + add.height + g);
    for (Box* b : {&save, &newSet, &load, &help})
        b->top = single(double(del.top) + del.height + g);

    Layout out;
    out.Label1 = label1.rect();
    out.Label2 = label2.rect();
    out.Label3 = label3.rect();
    out.Label5 = label5.rect();
    out.Text1 = text1.rect();
    out.Text2 = text2.rect();
    out.Text3 = text3.rect();
    out.MSFlexGrid1 = grid.rect();
    out.Command1 = save.rect();
    out.Command2 = newSet.rect();
    out.Command3 = add.rect();
    out.Command4 = del.rect();
    out.Command5 = load.rect();
    out.Command6 = help.rect();
    columnWidths(grid.width, &out.ClueColumnWidth, &out.PuzzleColumnWidth);
    return out;
}

} // namespace CreateLayout
