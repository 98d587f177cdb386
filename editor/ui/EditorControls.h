// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor windows' controls are made alike: labels that wrap from the top left, buttons
// that Enter presses while they have the focus; each named as tests and tools find it.
#pragma once

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace EditorControls {

QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent);

// A button's command as one action, which the button, a key and a menu item trigger alike;
// the button is enabled while the action is. The text is the menu's (the button's if none).
template <class Window>
QAction* makeCommand(QPushButton* button, Window* window, void (Window::*handler)(),
                     const QString& text = {}) {
    auto* command = new QAction(text.isEmpty() ? button->text() : text, window);
    command->setEnabled(button->isEnabled());
    QObject::connect(command, &QAction::triggered, window, handler);
    QObject::connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
    QObject::connect(button, &QPushButton::clicked, command, &QAction::trigger);
    return command;
}

template <class Label = QLabel> Label* makeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace EditorControls
