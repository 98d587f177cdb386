// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Window geometry is designed in twips (1/1440 inch); at 96 dots per inch a pixel is 15 twips.
// A zoom factor multiplies the designed figures before they become pixels, so a zoomed window
// is the designed one drawn larger, never a second layout. A factor of 1 is the designed size.
#pragma once

#include <QRect>
#include <algorithm>
#include <cmath>

namespace Geometry {
inline constexpr double TwipsPerPixel = 15.0;
inline int px(double twips, double zoom = 1.0) {
    return static_cast<int>(std::lround(twips * zoom / TwipsPerPixel));
}
inline QRect rect(double left, double top, double width, double height, double zoom = 1.0) {
    return QRect(px(left, zoom), px(top, zoom), px(width, zoom), px(height, zoom));
}
// A designed font size, in points, at a zoom.
inline double points(double designed, double zoom = 1.0) {
    return designed * zoom;
}
// A designed line or frame width of one pixel, at a zoom: whole pixels, never none.
inline int lineWidth(double zoom = 1.0) {
    return std::max(1, static_cast<int>(std::lround(zoom)));
}
inline double twips(int pixels) {
    return pixels * TwipsPerPixel;
}
} // namespace Geometry
