// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FontFit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

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

bool FontFit::textFits(const QWidget* control, const QFont& font) {
    const QFontMetrics fm(font);
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QRect box = label->contentsRect();
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed = fm.boundingRect(box, wrap | int(label->alignment()),
                                             QString(label->text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return needed.width() <= box.width() && needed.height() <= box.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        // The text and the button's margins; a check box or radio button its indicator too.
        return fm.horizontalAdvance(QString(button->text()).remove(u'&')) +
                   (qobject_cast<const QPushButton*>(button) ? 6 : 24) <=
               button->width();
    return true;
}

void FontFit::fitTexts(QWidget* window) {
    static const char* const Designed = "kazDesignedFont";
    static const char* const Fitted = "kazFittedFor"; // the text and size last fitted
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* button = qobject_cast<QAbstractButton*>(control);
        // A label that fits its text itself when it paints is left to do so.
        if (!(label && !label->text().isEmpty() && label->pixmap().isNull()) && !button)
            continue;
        if (control->inherits("FittingLabel"))
            continue;
        // A window is laid out many times as it opens; a control whose text and size are as
        // they were needs no measuring again.
        const QString key = QStringLiteral("%1x%2 ").arg(control->width()).arg(control->height()) +
                            (label ? label->text() : button->text());
        if (control->property(Fitted).toString() == key)
            continue;
        control->setProperty(Fitted, key);
        if (!control->property(Designed).isValid()) {
            if (textFits(control, control->font()))
                continue; // nothing to do, and nothing to remember
            control->setProperty(Designed, control->font());
        }
        const QFont designed = control->property(Designed).value<QFont>();
        const double smallest = std::max(6.0, designed.pointSizeF() * 0.75);
        const QFont fitted =
            shrinkToFit(designed, smallest, 0.25, [control](const QFont& f) { return textFits(control, f); });
        if (control->font() != fitted)
            control->setFont(fitted);
    }
}
