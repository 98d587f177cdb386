// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor windows' controls are made alike: labels that wrap from the top left, buttons
// that Enter presses while they have the focus; each named as tests and tools find it.
#pragma once

#include <QLabel>
#include <QPushButton>

namespace EditorControls {

QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent);

template <class Label = QLabel> Label* makeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace EditorControls
