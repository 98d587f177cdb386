// The dialog that enters one clue/puzzle pair. It removes line breaks, refuses an empty
// entry and a long puzzle without the word breaks the game board wraps at, and stores the
// filtered pair in the first free slot of SetEntries; then it closes. Closing it by its
// close box stores nothing.
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
    frmAdd(frmCreate& owner, UiLayer& ui);

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
    UiLayer& ui_;
};
