// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game set information window: author, title, date last edited, number of puzzles and
// the free information text of the loaded set, read-only, filled from GameState each time
// the window opens.
#pragma once

#include "KazMod.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(const GameState& state, QWidget* parent = nullptr);

private:
    QLabel* Label1;
    QLineEdit* Text1; // author
    QLabel* Label2;
    QLineEdit* Text2; // title
    QLabel* Label4;
    QLineEdit* Text4; // date last edited
    QLabel* Label5;
    QLineEdit* Text5; // number of puzzles
    QLabel* Label3;
    QPlainTextEdit* Text3; // information
    QPushButton* Command1;

    void Form_Load(const GameState& state);
    void Command1_Click();
};
