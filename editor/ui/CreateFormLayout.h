// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// frmCreate's layout manager: whenever the window is resized, shown, framed (moved) or
// restored, it holds the window's minimum and places every control at the rectangle that
// CreateLayout::Compute gives it for the window's outer size. One table says which control
// takes which rectangle; what is not a rectangle (the grid's column widths) is left to the
// handler it ends in.
#pragma once

#include "CreateLayout.h"

#include <QLayout>
#include <functional>
#include <initializer_list>

class CreateFormLayout : public QLayout {
public:
    using Rect = QRectF CreateLayout::Layout::*;
    struct Entry {
        QWidget* widget;
        Rect rect;
    };
    using Handler = std::function<void(const CreateLayout::Layout&)>;

    // Lays out window's controls from the table, then calls placed with the same layout.
    CreateFormLayout(QWidget& window, std::initializer_list<Entry> table, Handler placed);
    ~CreateFormLayout() override;

    // The outer size the layout rules are given, in pixels: the frame geometry (or the window
    // plus its frame margins where the frame is not known) less the menu bar, which sits
    // above the client area the rules lay out.
    QSize outerSize() const;
    // The menu bar's height; the client area begins below it.
    int menuHeight() const;

    void setGeometry(const QRect& rect) override;
    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QList<QLayoutItem*> items_;
    QList<Rect> rects_; // rects_[i] is where items_[i] goes
    Handler placed_;
};
