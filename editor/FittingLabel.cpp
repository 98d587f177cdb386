#include "FittingLabel.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace {
constexpr double SmallestPoints = 6.0;
constexpr double PointStep = 0.5;
} // namespace

QFont FittingLabel::fittedFont() const {
    QFont font = this->font();
    const QRect box = contentsRect();
    const int flags = int(alignment()) | Qt::TextWordWrap;
    while (font.pointSizeF() > SmallestPoints) {
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, text());
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
        font.setPointSizeF(std::max(SmallestPoints, font.pointSizeF() - PointStep));
    }
    return font;
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
