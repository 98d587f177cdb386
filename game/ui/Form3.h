// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-score window: the ten places of "hs.lst" in a read-only grid, best first, read
// afresh at every opening. With no file yet it writes and shows ten default entries; a file
// it cannot read is reported and left alone.
#pragma once

#include "GameServices.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

class Form3 : public QDialog {
    Q_OBJECT
public:
    // reportProblems false: the caller has just told the player about the same file.
    explicit Form3(const GameServices& services, QWidget* parent = nullptr, bool reportProblems = true);

    // The grid's format string: "|" between columns, a leading "^" centres a column (the
    // others are left-aligned); the headings in the language spoken.
    static QString gridFormat();
    // Each column is the grid's width divided by 4.09, in whole twips.
    static int columnWidthTwips(int gridWidthTwips);

private:
    QTableWidget* MSFlexGrid1;
    QPushButton* Command1;

    void Form_Load();
    void Command1_Click();

    GameServices services_;
    bool reportProblems_ = true;
};
