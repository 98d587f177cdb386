// The editor's main window: the set's author, title and information in three text boxes,
// its pairs in a grid, and the buttons that add, delete, save, load and start over. The
// pairs themselves live in KazCreateMod::SetEntries; the "Save" button's enabled state
// stands for "this set has something worth saving".
#pragma once

#include "EditorServices.h"

#include <QWidget>

class FittingLabel;
class QPushButton;
class QTableWidget;
class LimitedLineEdit;
class LimitedPlainTextEdit;
struct FileDialogOptions;

class frmCreate : public QWidget {
    Q_OBJECT
public:
    explicit frmCreate(const EditorServices& services, QWidget* parent = nullptr);

    // Controls, in tab order; the labels take no focus.
    LimitedLineEdit* Text1 = nullptr;      // author
    LimitedLineEdit* Text2 = nullptr;      // title
    LimitedPlainTextEdit* Text3 = nullptr; // information
    QTableWidget* MSFlexGrid1 = nullptr;   // the pairs, one data row each
    QPushButton* Command3 = nullptr;       // Add Clue To Puzzle Set
    QPushButton* Command4 = nullptr;       // Delete This Clue
    QPushButton* Command1 = nullptr;       // Save
    QPushButton* Command2 = nullptr;       // New Set
    QPushButton* Command5 = nullptr;       // Load Set
    QPushButton* Command6 = nullptr;       // Help
    FittingLabel* Label1 = nullptr;
    FittingLabel* Label2 = nullptr;
    FittingLabel* Label3 = nullptr;
    FittingLabel* Label5 = nullptr; // the count label

    void Command1_Click(); // Save
    void Command2_Click(); // New Set
    void Command3_Click(); // Add Clue To Puzzle Set
    void Command4_Click(); // Delete This Clue
    void Command5_Click(); // Load Set
    void Command6_Click(); // Help
    // Loads the set at path as Load Set does once its dialog has answered (the same checks
    // and messages); also used for a file named on the command line.
    bool LoadSet(const QString& path);

    // Rewrites the grid and the count label from SetEntries.
    void RefreshClueGrid();
    // "Save" and "Delete This Clue" are always enabled or disabled together.
    void SetSaveAndDeleteEnabled(bool enabled);

    // Lays the controls out for the window's current outer size.
    void Form_Resize();
    // The window's outer size in pixels: the frame geometry, or the client size plus the
    // frame margins where the frame is not known.
    QSize OuterSize() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_UnLoad();
    // The New Set question; true when the user may go on (Yes, or nothing unsaved to lose).
    bool MayDiscardUnsaved();
    // Empty set, prompts back, Save and Delete disabled.
    void StartNewSet();
    FileDialogOptions DialogOptions(const QString& title) const;

    EditorServices services_;
    QString dialogFolder_; // the program folder; where the file dialogs start
    QString lastPath_;     // the path chosen last in a file dialog
};
