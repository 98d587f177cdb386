// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game windows' controls, made the one way: named for tests and screen readers, and
// placed at their designed rectangle. Each window then gives them its own look.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Controls {

template <typename Label = QLabel>
Label* label(QWidget* parent, const char* name, const QRect& rect, const QString& text = QString()) {
    auto* label = new Label(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& rect);

// A plain one-pixel line, across (HLine) or down (VLine).
QFrame* line(QWidget* parent, const char* name, QFrame::Shape shape, const QRect& rect);

QLineEdit* readOnlyBox(QWidget* parent, const char* name, const QRect& rect);

} // namespace Controls
