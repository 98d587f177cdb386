// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Artwork.h"

#include "WheelPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

QPixmap Artwork::arrowPixmap(double zoom, double pixelRatio) {
    // Drawn at the screen's own pixels, so a scaled desktop shows it sharp too.
    const int size = static_cast<int>(std::lround(32 * zoom * pixelRatio));
    QPixmap pixmap(size, size);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (zoom != 1.0)
        p.scale(zoom, zoom);
    const QPolygonF arrow(
        {{16.0, 2.0}, {29.0, 15.0}, {21.0, 15.0}, {21.0, 30.0}, {11.0, 30.0}, {11.0, 15.0}, {3.0, 15.0}});
    p.setPen(QPen(QColor(64, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(200, 16, 16));
    p.drawPolygon(arrow);
    return pixmap;
}

namespace {
QPixmap wheelPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double margin = size / 16.0;
    const QRectF disc(margin, margin, size - 2 * margin, size - 2 * margin);
    // One wedge for each of the eight results, in the lamps' bright colours.
    const int colours[8] = {9, 10, 11, 12, 13, 14, 15, 8};
    for (int i = 0; i < 8; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(Wheel::paletteColor(colours[i]));
        p.drawPie(disc, (90 - 22 - i * 45) * 16 + 11 * 16, 45 * 16);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, std::max(1.0, size / 24.0)));
    p.drawEllipse(disc);
    // The pointer at the bottom, as under the lamps.
    const double c = size / 2.0;
    QPainterPath pointer;
    pointer.moveTo(c, size * 0.62);
    pointer.lineTo(c + size * 0.16, size - margin * 0.5);
    pointer.lineTo(c - size * 0.16, size - margin * 0.5);
    pointer.closeSubpath();
    p.setPen(QPen(QColor(64, 0, 0), std::max(1.0, size / 32.0)));
    p.setBrush(QColor(200, 16, 16));
    p.drawPath(pointer);
    return pixmap;
}
} // namespace

QIcon Artwork::windowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(wheelPixmap(size));
    return icon;
}
