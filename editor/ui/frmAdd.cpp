// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmAdd.h"

#include "ContextIDs.h"
#include "EditorControls.h"
#include "FontFit.h"
#include "Geometry.h"
#include "KazCreateMod.h"
#include "LimitedTextBox.h"
#include "UiLayer.h"
#include "frmCreate.h"

#include <QEvent>

using namespace KazCreateMod;

frmAdd::frmAdd(frmCreate& owner, UiLayer& ui, int editSlot)
    : QDialog(&owner), owner_(owner), editSlot_(editSlot), ui_(ui) {
    const bool editing = editSlot_ >= 0;
    setWindowTitle(editing ? tr("Edit a Clue") : tr("Add a Clue"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ContextIDs::setHelpContextId(this, 20);
    setFixedSize(Geometry::px(4680), Geometry::px(3195));

    Text1 = new LimitedPlainTextEdit(ClueMaxLength, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setPlainText(Texts::CluePrompt() + u'\n');
    Text1->setToolTip(tr("A Clue Can Have No More Than 30 Characters"));
    Text1->setGeometry(Geometry::rect(1680, 360, 2895, 525));

    Text2 = new LimitedPlainTextEdit(PuzzleMaxLength, this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setPlainText(Texts::PuzzlePrompt() + u'\n');
    //: The puzzle box's tooltip: a puzzle holds at most 75 characters.
    Text2->setToolTip(tr("A Clue Can Have No More Than 75 Characters"));
    Text2->setGeometry(Geometry::rect(1680, 1080, 2895, 525));

    for (LimitedPlainTextEdit* box : {Text1, Text2}) {
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }

    if (editing) {
        Text1->setPlainText(SetEntries[editSlot_].Clue);
        Text2->setPlainText(SetEntries[editSlot_].Puzzle);
    }

    //: The button that stores the pair: "OK" when editing one, "Add" for a new one.
    Command1 = EditorControls::makeButton(editing ? tr("OK") : tr("Add"), QStringLiteral("Command1"), this);
    Command1->setGeometry(Geometry::rect(713, 2400, 1215, 495));
    Command2 = EditorControls::makeButton(tr("Clear"), QStringLiteral("Command2"), this);
    Command2->setGeometry(Geometry::rect(2753, 2400, 1215, 495));

    Label1 = EditorControls::makeLabel(tr("Clue:"), QStringLiteral("Label1"), this);
    Label1->setGeometry(Geometry::rect(120, 360, 1335, 525));
    Label2 = EditorControls::makeLabel(tr("Puzzle:"), QStringLiteral("Label2"), this);
    Label2->setGeometry(Geometry::rect(120, 1080, 1335, 525));

    // Add from either box with Ctrl+Return; a plain Enter still breaks the line.
    QAction* add = EditorControls::makeCommand(Command1, this, &frmAdd::Command1_Click);
    add->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    addAction(add);
    Command1->setToolTip(add->shortcut().toString(QKeySequence::NativeText));
    EditorControls::makeCommand(Command2, this, &frmAdd::Command2_Click);
    Text1->installEventFilter(this);
    Text2->installEventFilter(this);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus();
    FontFit::fitTexts(this); // a longer caption in another language
}

bool frmAdd::eventFilter(QObject* watched, QEvent* event) {
    // A box that still holds its prompt selects it whole on getting the focus, so what is
    // typed replaces the prompt instead of being refused by the box's limit or joining it.
    if (event->type() == QEvent::FocusIn) {
        auto* box = qobject_cast<LimitedPlainTextEdit*>(watched);
        const QString prompt = box == Text1 ? Texts::CluePrompt() : Texts::PuzzlePrompt();
        if (box && box->toPlainText().trimmed() == prompt) {
            box->selectAll();
            // A click places the cursor after the focus arrives: select again once it has.
            QMetaObject::invokeMethod(
                box,
                [box, prompt] {
                    if (box->toPlainText().trimmed() == prompt && !box->textCursor().hasSelection())
                        box->selectAll();
                },
                Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAdd::Command1_Click() {
    // As typed, before the line breaks go: a box the teacher left alone is stored as it was.
    const QString clueBox = Text1->toPlainText();
    const QString puzzleBox = Text2->toPlainText();
    // The boxes keep this change even when a check below fails.
    Text1->setPlainText(removeLineBreaks(Text1->toPlainText()));
    Text2->setPlainText(removeLineBreaks(Text2->toPlainText()));
    const QString clue = Text1->toPlainText();
    const QString puzzle = Text2->toPlainText();

    if (isEntryEmpty(clue, puzzle)) {
        const Texts::Message m = Texts::EmptyEntry();
        ui_.messageBox(this, m.text, m.title, MsgButtons::Ok, MsgIcon::Stop);
        Text1->setFocus();
        return;
    }
    if (!hasProperSpacing(puzzle)) {
        const Texts::Message m = Texts::BadSpacing();
        ui_.messageBox(this, m.text, m.title, MsgButtons::Ok, MsgIcon::None);
        Text2->setFocus();
        return;
    }

    const int slot = editSlot_ >= 0 ? editSlot_ : pairCount();
    if (slot >= MaxPuzzles) {
        // The pair has nowhere to go: say so and keep it in the dialog rather than lose it.
        const Texts::Message m = Texts::SetFull();
        ui_.messageBox(this, m.text, m.title, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    const PuzzleEntry held = editSlot_ >= 0 ? SetEntries[slot] : PuzzleEntry{};
    SetEntries[slot].Clue = storedBoxText(held.Clue, clueBox);
    SetEntries[slot].Puzzle = storedBoxText(held.Puzzle, puzzleBox);

    owner_.RefreshClueGrid();
    if (editSlot_ >= 0)
        owner_.setCurrentPair(editSlot_);
    owner_.setSaveAndDeleteEnabled(true);
    accept();
}

void frmAdd::Command2_Click() {
    Text1->setPlainText(QString());
    Text2->setPlainText(QString());
    Text1->setFocus();
}
