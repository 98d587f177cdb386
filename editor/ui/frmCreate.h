// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's main window: the set's author, title and information in three text boxes,
// its pairs in a grid, and the buttons that add, delete, save, load and start over. The
// pairs themselves live in KazCreateMod::SetEntries; the "Save" button's enabled state
// stands for "this set has something worth saving".
#pragma once

#include "CreateLayout.h"
#include "EditorServices.h"
#include "FileResult.h"
#include "GameSetFile.h"
#include "Settings.h"

#include <QWidget>
#include <functional>

class FittingLabel;
class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableView;
class LimitedLineEdit;
class LimitedPlainTextEdit;
struct FileDialogOptions;

class frmCreate : public QWidget {
    Q_OBJECT
public:
    // Both services are required; main builds the platform's, tests hand in doubles.
    explicit frmCreate(const EditorServices& services, QWidget* parent = nullptr);

    // Loads the set at path as Load Set does once its dialog has answered (the same checks
    // and messages); also used for a file named on the command line.
    bool loadSet(const QString& path);

    // What the add dialog calls once it has stored a pair:
    // Rewrites the grid and the count label from SetEntries.
    void RefreshClueGrid();
    // "Save" and "Delete This Clue" are always enabled or disabled together.
    void setSaveAndDeleteEnabled(bool enabled);
    // Makes the grid row of the pair in this slot the current row.
    void setCurrentPair(int slot);

    // Adds a word list's pairs to the set as File, Import Pairs does once its dialog has
    // answered, and shows the report.
    void importPairs(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Controls, in tab order; the labels take no focus. Each is named after its member.
    LimitedLineEdit* Text1 = nullptr;      // author
    LimitedLineEdit* Text2 = nullptr;      // title
    LimitedPlainTextEdit* Text3 = nullptr; // information
    QTableView* MSFlexGrid1 = nullptr;     // the pairs, one data row each
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
    QMenuBar* menuBar_ = nullptr;
    QAction* editClue_ = nullptr; // Edit, Edit This Clue: only while the set has pairs
    // The commands of the buttons that have keys; the first three are File menu items too.
    QAction *save_ = nullptr, *newSet_ = nullptr, *loadSet_ = nullptr;
    QAction *deleteClue_ = nullptr, *addClue_ = nullptr, *help_ = nullptr;
    QAction* deleteKeys_ = nullptr; // Delete in the grid
    QAction* editKeys_ = nullptr;   // Enter in the grid
    QMenu *fileMenu_ = nullptr, *editMenu_ = nullptr;
    // File's word-list and sheet items.
    QAction *import_ = nullptr, *export_ = nullptr, *print_ = nullptr, *pdf_ = nullptr;
    // The count label says "Number of Clues in Set: 0" at start and once the last pair is
    // deleted, else the count RefreshClueGrid gives.
    bool emptyCountLabel_ = true;
    // The prompts as the boxes were last given them, to know a box still holding one when
    // the language changes.
    QString shownPrompts_[3];

    void Command1_Click(); // Save
    void Command2_Click(); // New Set
    void Command3_Click(); // Add Clue To Puzzle Set
    void Command4_Click(); // Delete This Clue
    void Command5_Click(); // Load Set
    void Command6_Click(); // Help

    void mnuImport_Click();
    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuPdf_Click();
    void mnuEditClue_Click();
    // Save, Export Pairs and Export PDF alike: the save dialog (Cancel writes nothing), then
    // write, and when that fails a stop box titled `failureTitle`, starting with `failure`,
    // that says why. True when the file was written.
    bool saveTo(const FileDialogOptions& options, const QString& failure, const QString& failureTitle,
                const std::function<FileResult<>(const QString&)>& write);
    // The menu bar; the layers give the Language menu its choice and lock.
    void buildMenus(const Settings::Layers& layers);
    // Sets every text of the window in the language spoken: at start and on a change.
    void retranslate();
    // The set as the sheets print it: untouched prompts print as nothing.
    GameSet setForPrinting() const;

    void Form_Load();
    // Where the layout ends, once every control is placed: the grid's column widths.
    void Form_Resize(const CreateLayout::Layout& layout);
    void Form_UnLoad();
    // The New Set question; true when the user may go on (Yes, or nothing unsaved to lose).
    bool mayDiscardUnsaved();
    // Empty set, prompts back, Save and Delete disabled.
    void startNewSet();
    FileDialogOptions dialogOptions(const QString& title) const;

    UiLayer& ui_;
    Clock& clock_;
    QString folder_;       // the program folder, as handed in
    QString dialogFolder_; // where the file dialogs start: the sets folder
    QString lastPath_;     // the path chosen last in a file dialog
    QString lastImportPath_;
};
