// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CreateFormLayout.h"

#include "Geometry.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cmath>

CreateFormLayout::CreateFormLayout(QWidget& window, std::initializer_list<Entry> table, Handler placed)
    : QLayout(&window), window_(window), placed_(std::move(placed)) {
    // The window's minimum follows its frame, which this layout sets itself once it is known.
    setSizeConstraint(QLayout::SetNoConstraint);
    setContentsMargins(0, 0, 0, 0);
    for (const Entry& e : table) {
        addChildWidget(e.widget);
        items_.append(new QWidgetItem(e.widget));
        rects_.append(e.rect);
    }
    // The window manager often frames the window only after it is shown, and framing moves
    // it: only then are the outer size, and with it the minimum and the layout, known.
    window.installEventFilter(this);
}

CreateFormLayout::~CreateFormLayout() {
    qDeleteAll(items_);
}

int CreateFormLayout::menuHeight() const {
    const QWidget* bar = menuBar();
    if (!bar || bar->isHidden())
        return 0;
    const int h = bar->heightForWidth(window_.width());
    return h > 0 ? h : bar->sizeHint().height();
}

QSize CreateFormLayout::outerSize() const {
    const QSize menu(0, menuHeight());
    const QRect frame = window_.frameGeometry();
    if (frame.width() >= window_.width() && frame.height() >= window_.height())
        return frame.size() - menu;
    QSize size = window_.size();
    if (const QWindow* w = window_.windowHandle()) {
        const QMargins m = w->frameMargins();
        size += QSize(m.left() + m.right(), m.top() + m.bottom());
    }
    return size - menu;
}

void CreateFormLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    if (window_.isMinimized())
        return;
    const QSize outer = outerSize();
    const QSize frame = outer - window_.size();
    // Below the minimum the window snaps back; the layout already uses the corrected size.
    const QSizeF corrected =
        CreateLayout::correctedOuterSize(Geometry::twips(outer.width()), Geometry::twips(outer.height()));
    const QSize minClient(
        int(std::ceil(CreateLayout::MinOuterWidth / Geometry::TwipsPerPixel)) - frame.width(),
        int(std::ceil(CreateLayout::MinOuterHeight / Geometry::TwipsPerPixel)) - frame.height());
    // The frame is known only once the window is shown; until then it keeps its design size.
    if (window_.isVisible()) {
        if (window_.minimumSize() != minClient)
            window_.setMinimumSize(minClient); // lets the window manager hold the minimum while dragging too
        if (window_.width() < minClient.width() || window_.height() < minClient.height())
            window_.resize(std::max(window_.width(), minClient.width()),
                           std::max(window_.height(), minClient.height()));
    }

    // The client area starts below the menu bar.
    const int top = menuHeight();
    if (QWidget* bar = menuBar())
        bar->setGeometry(0, 0, window_.width(), top);
    const CreateLayout::Layout l = CreateLayout::compute(corrected.width(), corrected.height());
    for (qsizetype i = 0; i < items_.size(); ++i) {
        const QRectF& r = l.*rects_[i];
        // The rectangle exactly, whatever the control's size policy would make of it.
        items_[i]->widget()->setGeometry(
            Geometry::rect(r.x(), r.y(), r.width(), r.height()).translated(0, top));
    }
    if (placed_)
        placed_(l);
}

bool CreateFormLayout::eventFilter(QObject* watched, QEvent* event) {
    // Resizes reach setGeometry through QLayout itself; these change the outer size, or
    // restore a window that was left alone while minimised.
    if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::Move ||
                                event->type() == QEvent::WindowStateChange))
        setGeometry(window_.rect());
    return QLayout::eventFilter(watched, event);
}

void CreateFormLayout::addItem(QLayoutItem* item) {
    // Every control comes with its rectangle, in the constructor's table.
    delete item;
}

QLayoutItem* CreateFormLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* CreateFormLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size())
        return nullptr;
    rects_.removeAt(index);
    return items_.takeAt(index);
}

int CreateFormLayout::count() const {
    return int(items_.size());
}

QSize CreateFormLayout::sizeHint() const {
    return QSize(Geometry::px(4680), Geometry::px(6045)); // the design size of the client area
}
