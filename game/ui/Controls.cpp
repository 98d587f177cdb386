// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Controls.h"

QPushButton* Controls::button(QWidget* parent, const char* name, const QString& caption, const QRect& rect) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    return button;
}

QFrame* Controls::line(QWidget* parent, const char* name, QFrame::Shape shape, const QRect& rect) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(rect);
    return line;
}

QLineEdit* Controls::readOnlyBox(QWidget* parent, const char* name, const QRect& rect) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    box->setReadOnly(true);
    return box;
}
