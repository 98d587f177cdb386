// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The small dialog Print... and Export PDF... open first: which sheet, the answer key (with
// the puzzles) or the worksheet (with the puzzles hidden), the worksheet chosen at first.
#pragma once

#include "SheetLayout.h"

#include <QDialog>

class QRadioButton;

class SheetChoice : public QDialog {
    Q_OBJECT
public:
    SheetChoice(const QString& title, QWidget* parent);
    SheetLayout::Kind kind() const;

private:
    QRadioButton* key_ = nullptr;
    QRadioButton* worksheet_ = nullptr;
};
