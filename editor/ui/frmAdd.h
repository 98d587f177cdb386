// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialog that enters one clue/puzzle pair. It removes line breaks, refuses an empty
// entry and a long puzzle without the word breaks the game board wraps at, and stores the
// filtered pair in the first free slot of SetEntries; then it closes. Closing it by its
// close box stores nothing. The same dialog edits a pair in place; there a box left as it
// was keeps its text as it stands, unfiltered.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class LimitedPlainTextEdit;
class UiLayer;
class frmCreate;

class frmAdd : public QDialog {
    Q_OBJECT
public:
    // editSlot -1 adds a pair; a slot number edits that pair in place ("Edit a Clue"): the
    // same checks, and OK replaces the pair where it stands.
    frmAdd(frmCreate& owner, UiLayer& ui, int editSlot = -1);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Controls, in tab order; the labels take no focus. Each is named after its member.
    LimitedPlainTextEdit* Text1 = nullptr; // the clue
    LimitedPlainTextEdit* Text2 = nullptr; // the puzzle
    QPushButton* Command1 = nullptr;       // Add
    QPushButton* Command2 = nullptr;       // Clear
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    void Command1_Click(); // Add
    void Command2_Click(); // Clear

    frmCreate& owner_;
    int editSlot_;
    UiLayer& ui_;
};
