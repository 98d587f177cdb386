// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetChoice.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

SheetChoice::SheetChoice(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    key_ = new QRadioButton(SheetLayout::AnswerKeyName(), this);
    key_->setObjectName(QStringLiteral("answerKey"));
    worksheet_ = new QRadioButton(SheetLayout::WorksheetName(), this);
    worksheet_->setObjectName(QStringLiteral("worksheet"));
    // The worksheet first: a quick OK when printing for pupils must not hand them the answers.
    worksheet_->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(key_);
    layout->addWidget(worksheet_);
    layout->addWidget(buttons);
}

SheetLayout::Kind SheetChoice::kind() const {
    return worksheet_->isChecked() ? SheetLayout::Kind::Worksheet : SheetLayout::Kind::AnswerKey;
}
