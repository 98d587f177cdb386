// Window geometry is designed in twips (1/1440 inch); at 96 dots per inch a pixel is 15 twips.
#pragma once

#include <QRect>
#include <cmath>

namespace Geometry {
inline constexpr double TwipsPerPixel = 15.0;
inline int px(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline QRect rect(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(width), px(height));
}
inline double twips(int pixels) {
    return pixels * TwipsPerPixel;
}
} // namespace Geometry
