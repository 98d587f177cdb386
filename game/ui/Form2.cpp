// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form2.h"

#include "ContextIDs.h"
#include "Controls.h"
#include "DialogFont.h"
#include "FontFit.h"
#include "Geometry.h"
#include "OleDate.h"
#include "ScreenCentre.h"
#include "TextFormat.h"

#include <QPlainTextEdit>

namespace {
constexpr int HelpContext = 230;
} // namespace

Form2::Form2(const GameState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Game Set Information"));
    setFont(DialogFont::font());
    setFixedSize(Geometry::px(4680), Geometry::px(3765));
    ContextIDs::setHelpContextId(this, HelpContext);

    using Controls::label, Controls::readOnlyBox;
    using Geometry::rect;
    Label1 = label(this, "Label1", rect(176, 180, 1455, 255), tr("Author's Name:"));
    Text1 = readOnlyBox(this, "Text1", rect(1969, 150, 2535, 315));
    Label2 = label(this, "Label2", rect(180, 630, 1455, 255), tr("Title of Game Set:"));
    Text2 = readOnlyBox(this, "Text2", rect(1969, 622, 2535, 315));
    Label4 = label(this, "Label4", rect(176, 1080, 1455, 255), tr("Date Last Edited:"));
    Text4 = readOnlyBox(this, "Text4", rect(1969, 1094, 2535, 315));
    Label5 = label(this, "Label5", rect(176, 1530, 1455, 255), tr("Number of Puzzles:"));
    Text5 = readOnlyBox(this, "Text5", rect(1969, 1566, 2535, 315));
    Label3 = label(this, "Label3", rect(180, 2040, 1455, 255), tr("Information:"));

    Text3 = new QPlainTextEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setGeometry(rect(1969, 2040, 2535, 675));
    Text3->setReadOnly(true);
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text3->setTabChangesFocus(true);

    Command1 = Controls::button(this, "Command1", tr("OK"), rect(1800, 3000, 1215, 495));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    Form_Load(state);
    FontFit::fitTexts(this); // a longer caption in another language
    Command1->setFocus();
    ScreenCentre::place(this);
}

void Form2::Form_Load(const GameState& state) {
    Text1->setText(state.SetAuthor);
    Text2->setText(state.SetTitle);
    Text3->setPlainText(state.SetInfo);
    Text4->setText(TextFormat::shortDate(OleDate::toDate(state.SetDate)));
    Text5->setText(QString::number(state.PuzzleCount));
    // Long texts show their beginning, not their end.
    for (QLineEdit* box : {Text1, Text2, Text4, Text5})
        box->setCursorPosition(0);
}

void Form2::Command1_Click() {
    accept();
}
