// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FittingLabel.h"

#include "FontFit.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace {
constexpr double SmallestPoints = 6.0;
constexpr double PointStep = 0.5;
} // namespace

QFont FittingLabel::fittedFont() const {
    const QRect box = contentsRect();
    const int flags = int(alignment()) | Qt::TextWordWrap;
    return FontFit::shrinkToFit(font(), SmallestPoints, PointStep, [&](const QFont& font) {
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, text());
        return needed.width() <= box.width() && needed.height() <= box.height();
    });
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const QFont fitted = fittedFont();
    if (fitted == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fitted);
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextWordWrap, palette(),
                          isEnabled(), text(), foregroundRole());
}
