// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmCreate.h"

#include "Clock.h"
#include "ClueGrid.h"
#include "ContextIDs.h"
#include "CreateFormLayout.h"
#include "EditorControls.h"
#include "FontFit.h"
#include "FittingLabel.h"
#include "Geometry.h"
#include "ImportRules.h"
#include "KazCreateMod.h"
#include "Language.h"
#include "LimitedTextBox.h"
#include "ProgramFolder.h"
#include "ScreenCentre.h"
#include "Settings.h"
#include "SheetChoice.h"
#include "SheetPrinter.h"
#include "TextFormat.h"
#include "UiLayer.h"
#include "WordList.h"
#include "frmAdd.h"

#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <utility>

using namespace KazCreateMod;
using EditorControls::makeButton;
using EditorControls::makeLabel;

namespace {
// A command's key; the button's tooltip names it, as a menu would (set with the texts).
void setKey(QAction* command, const QKeySequence& key) {
    command->setShortcut(key);
    command->setAutoRepeat(false);
}

// Delete and Enter stand for a command only in the grid; elsewhere they belong to the text
// boxes and buttons. The grid's own action passes them on to the command.
QAction* addGridKeys(QWidget* grid, QAction* command, const QList<QKeySequence>& keys) {
    auto* gridKeys = new QAction(grid);
    gridKeys->setShortcuts(keys);
    gridKeys->setShortcutContext(Qt::WidgetShortcut);
    gridKeys->setAutoRepeat(command->autoRepeat());
    QObject::connect(gridKeys, &QAction::triggered, command, &QAction::trigger);
    grid->addAction(gridKeys);
    return gridKeys;
}

// The editor's own window icon, drawn in code like the game's: a sheet of clue lines under
// the game's coloured lamps.
QIcon editorIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const double u = size / 16.0;
        p.setPen(QPen(Qt::black, std::max(1.0, u * 0.75)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2 * u, 1 * u, 12 * u, 14 * u));
        const QColor lamps[3] = {QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 0, 0)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(lamps[i]);
            p.drawRect(QRectF((3.5 + 3.2 * i) * u, 2.5 * u, 2.8 * u, 3 * u));
        }
        p.setPen(QPen(QColor(64, 64, 64), std::max(1.0, u * 0.75)));
        for (double y : {8.0, 10.5, 13.0})
            p.drawLine(QPointF(4 * u, y * u), QPointF(12 * u, y * u));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

frmCreate::frmCreate(const EditorServices& services, QWidget* parent)
    : QWidget(parent), ui_(services.ui), clock_(services.clock), folder_(services.folder),
      dialogFolder_(ProgramFolder::withSeparator(services.setsFolder.isEmpty() ? services.folder
                                                                               : services.setsFolder)) {
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowIcon(editorIcon());
    ContextIDs::setHelpContextId(this, 10);

    Text1 = new LimitedLineEdit(InfoMaxLength, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setText(Texts::AuthorPrompt());
    Text2 = new LimitedLineEdit(InfoMaxLength, this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setText(Texts::TitlePrompt());
    Text3 = new LimitedPlainTextEdit(InfoMaxLength, this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setPlainText(Texts::InfoPrompt() + u'\n');
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setModel(new ClueGridModel(SetEntries, MSFlexGrid1));
    MSFlexGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    MSFlexGrid1->horizontalHeader()->setStretchLastSection(false);
    MSFlexGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    MSFlexGrid1->verticalHeader()->hide(); // no fixed column
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(MSFlexGrid1->fontMetrics().height() + 6);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->setTabKeyNavigation(false); // Tab moves on to the next control

    // Every text is set by retranslate(), once the controls stand.
    Command3 = makeButton(QString(), QStringLiteral("Command3"), this);
    Command4 = makeButton(QString(), QStringLiteral("Command4"), this);
    Command1 = makeButton(QString(), QStringLiteral("Command1"), this);
    Command2 = makeButton(QString(), QStringLiteral("Command2"), this);
    Command5 = makeButton(QString(), QStringLiteral("Command5"), this);
    Command6 = makeButton(QString(), QStringLiteral("Command6"), this);
    Command4->setEnabled(false);
    Command1->setEnabled(false);

    Label1 = makeLabel<FittingLabel>(QString(), QStringLiteral("Label1"), this);
    Label2 = makeLabel<FittingLabel>(QString(), QStringLiteral("Label2"), this);
    Label3 = makeLabel<FittingLabel>(QString(), QStringLiteral("Label3"), this);
    Label5 = makeLabel<FittingLabel>(QString(), QStringLiteral("Label5"), this);

    // Every command is one action, which its button triggers; the File menu shows three.
    using EditorControls::makeCommand;
    save_ = makeCommand(Command1, this, &frmCreate::Command1_Click);
    newSet_ = makeCommand(Command2, this, &frmCreate::Command2_Click);
    loadSet_ = makeCommand(Command5, this, &frmCreate::Command5_Click);
    deleteClue_ = makeCommand(Command4, this, &frmCreate::Command4_Click);
    addClue_ = makeCommand(Command3, this, &frmCreate::Command3_Click);
    help_ = makeCommand(Command6, this, &frmCreate::Command6_Click);
    setKey(save_, QKeySequence::Save);
    setKey(newSet_, QKeySequence::New);
    setKey(loadSet_, QKeySequence::Open);
    setKey(deleteClue_, QKeySequence(Qt::CTRL | Qt::Key_D));
    deleteKeys_ = addGridKeys(MSFlexGrid1, deleteClue_, {QKeySequence(Qt::Key_Delete)});
    // F1 itself opens the topic of the window or menu at hand (ContextIDs claims it first).
    help_->setShortcut(QKeySequence::HelpContents);
    addActions({deleteClue_, help_});

    QWidget* order[] = {Text1,    Text2,    Text3,    MSFlexGrid1, Command3,
                        Command4, Command1, Command2, Command5,    Command6};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Design size: 4680 by 6045 twips of client area, centred on the screen.
    resize(Geometry::px(4680), Geometry::px(6045));
    ScreenCentre::place(this);
    // Which control takes which rectangle of the layout rules, in rows as the window shows them.
    using L = CreateLayout::Layout;
    auto* layout = new CreateFormLayout(*this,
                                        {{Label1, &L::Label1},
                                         {Text1, &L::Text1}, // author
                                         {Label2, &L::Label2},
                                         {Text2, &L::Text2}, // title
                                         {Label3, &L::Label3},
                                         {Text3, &L::Text3},             // information
                                         {MSFlexGrid1, &L::MSFlexGrid1}, // the pairs
                                         {Label5, &L::Label5},
                                         {Command3, &L::Command3}, // count, Add
                                         {Command4, &L::Command4}, // Delete
                                         {Command1, &L::Command1},
                                         {Command2, &L::Command2},
                                         {Command5, &L::Command5},
                                         {Command6, &L::Command6}}, // the bottom row
                                        [this](const L& l) { Form_Resize(l); });
    buildMenus(services.layers);
    retranslate();
    layout->setMenuBar(menuBar_);
    layout->setGeometry(rect()); // at design size, before Form_Load reads the grid's width

    Form_Load();
}

void frmCreate::Form_Load() {
    ContextIDs::StartHelp(this, QStringLiteral("KazCreate"), folder_);
    long clue = 0;
    long puzzle = 0;
    CreateLayout::columnWidths(Geometry::twips(MSFlexGrid1->width()), &clue, &puzzle);
    MSFlexGrid1->horizontalHeader()->resizeSection(0, Geometry::px(clue));
    MSFlexGrid1->horizontalHeader()->resizeSection(1, Geometry::px(puzzle));
}

void frmCreate::Form_UnLoad() {
    ContextIDs::QuitHelp();
}

void frmCreate::RefreshClueGrid() {
    // Making the puzzle cell current would scroll the grid sideways, hiding the clues; keep
    // the view where the user left it (it still follows the current row down).
    QScrollBar* sideways = MSFlexGrid1->horizontalScrollBar();
    const int left = sideways->value();
    KazCreateMod::RefreshClueGrid(*MSFlexGrid1, *Label5);
    emptyCountLabel_ = false;
    sideways->setValue(left);
    editClue_->setEnabled(pairCount() > 0);
}

void frmCreate::setCurrentPair(int slot) {
    QScrollBar* sideways = MSFlexGrid1->horizontalScrollBar();
    const int left = sideways->value();
    MSFlexGrid1->setCurrentIndex(
        MSFlexGrid1->model()->index(tableRowOf(slot + 1), std::max(0, MSFlexGrid1->currentIndex().column())));
    sideways->setValue(left);
}

void frmCreate::buildMenus(const Settings::Layers& layers) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    fileMenu_ = menuBar_->addMenu(QString());
    fileMenu_->addActions({newSet_, loadSet_, save_});
    fileMenu_->addSeparator();
    import_ = fileMenu_->addAction(QString(), this, &frmCreate::mnuImport_Click);
    export_ = fileMenu_->addAction(QString(), this, &frmCreate::mnuExport_Click);
    fileMenu_->addSeparator();
    print_ = fileMenu_->addAction(QString(), QKeySequence::Print, this, &frmCreate::mnuPrint_Click);
    pdf_ = fileMenu_->addAction(QString(), this, &frmCreate::mnuPdf_Click);
    editMenu_ = menuBar_->addMenu(QString());
    editClue_ = editMenu_->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                                     &frmCreate::mnuEditClue_Click);
    editClue_->setEnabled(false);
    menuBar_->addMenu(Language::createMenu(this, layers, Settings::userFilePath()));
    // A double-click on a row, or Enter in the grid, edits that row's pair too.
    connect(MSFlexGrid1, &QTableView::doubleClicked, this, [this](const QModelIndex& cell) {
        MSFlexGrid1->setCurrentIndex(cell.siblingAtColumn(MSFlexGrid1->currentIndex().column()));
        editClue_->trigger();
    });
    editKeys_ =
        addGridKeys(MSFlexGrid1, editClue_, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
}

void frmCreate::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void frmCreate::retranslate() {
    setWindowTitle(tr("KAZ Puzzle Set Creator"));
    Command3->setText(tr("Add Clue To Puzzle Set"));
    Command4->setText(tr("Delete This Clue"));
    //: A button: saves the game set.
    Command1->setText(tr("Save"));
    Command2->setText(tr("New Set"));
    Command5->setText(tr("Load Set"));
    Command6->setText(tr("Help"));
    Label1->setText(tr("Author's Name:"));
    Label2->setText(tr("Title of Puzzle Set:"));
    Label3->setText(tr("Information:"));
    Label5->setText(emptyCountLabel_ ? Texts::EmptyCountLabel()
                                     : Texts::countLabel(MSFlexGrid1->model()->rowCount()));
    Label5->setAccessibleDescription(tr("How many clue and puzzle pairs the set holds"));
    MSFlexGrid1->setAccessibleName(tr("Clues and puzzles of the set"));
    MSFlexGrid1->setAccessibleDescription(
        tr("One pair a row: the clue, then the puzzle (Delete removes it)"));
    emit MSFlexGrid1->model()->headerDataChanged(Qt::Horizontal, 0, 1);

    // The commands: the buttons' own words, but for the three the File menu shows.
    save_->setText(tr("&Save..."));
    newSet_->setText(tr("&New Set"));
    loadSet_->setText(tr("&Load Set..."));
    deleteClue_->setText(Command4->text());
    addClue_->setText(Command3->text());
    help_->setText(Command6->text());
    deleteKeys_->setText(deleteClue_->text());
    // The keys' names follow the language too ("Ctrl+S").
    for (auto [command, button] : {std::pair{save_, Command1}, std::pair{newSet_, Command2},
                                   std::pair{loadSet_, Command5}, std::pair{deleteClue_, Command4}})
        button->setToolTip(command->shortcut().toString(QKeySequence::NativeText));

    fileMenu_->setTitle(tr("&File"));
    import_->setText(tr("&Import Pairs..."));
    export_->setText(tr("&Export Pairs..."));
    print_->setText(tr("&Print..."));
    pdf_->setText(tr("Export P&DF..."));
    editMenu_->setTitle(tr("&Edit"));
    editClue_->setText(tr("Edit This &Clue"));
    editKeys_->setText(editClue_->text());

    // A box that still holds its prompt shows it in the new language.
    const QString prompts[3] = {Texts::AuthorPrompt(), Texts::TitlePrompt(), Texts::InfoPrompt()};
    if (!shownPrompts_[0].isEmpty()) {
        if (TextFormat::trimBlanks(Text1->text()) == shownPrompts_[0])
            Text1->setTextUncut(Text1->text().replace(shownPrompts_[0], prompts[0]));
        if (TextFormat::trimBlanks(Text2->text()) == shownPrompts_[1])
            Text2->setTextUncut(Text2->text().replace(shownPrompts_[1], prompts[1]));
        if (TextFormat::trimBlanks(removeLineBreaks(Text3->toPlainText())) == shownPrompts_[2])
            Text3->setPlainText(Text3->toPlainText().replace(shownPrompts_[2], prompts[2]));
    }
    std::copy(std::begin(prompts), std::end(prompts), std::begin(shownPrompts_));
    FontFit::fitTexts(this); // a longer caption in another language
}

void frmCreate::mnuEditClue_Click() {
    const int r = gridCurrentRow(*MSFlexGrid1);
    if (r == 0 || r > pairCount())
        return;
    frmAdd dialog(*this, ui_, r - 1);
    ui_.showModal(dialog);
}

void frmCreate::mnuImport_Click() {
    FileDialogOptions o;
    o.title = tr("Import Pairs");
    //: The name of the file types in the file dialog.
    o.filter = tr("Word lists") + QStringLiteral(" (*.csv *.tsv *.txt *.kvtml)|*.csv *.tsv *.txt *.kvtml");
    o.initialFolder = lastImportPath_.isEmpty() ? dialogFolder_ : lastImportPath_;
    const QString path = ui_.openFileDialog(this, o);
    if (path.isEmpty())
        return;
    lastImportPath_ = path;
    importPairs(path);
}

void frmCreate::importPairs(const QString& path) {
    const FileResult<WordList::List> read = WordList::readFile(path);
    if (!read.ok) {
        ui_.messageBox(this,
                       tr("This word list could not be imported:") + TextFormat::CrLf +
                           QDir::toNativeSeparators(path) + TextFormat::CrLf + read.error,
                       ImportRules::ReportTitle(), MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    const ImportRules::Outcome outcome = ImportRules::apply(read.value, pairCount());
    if (!outcome.added.isEmpty()) {
        int slot = pairCount();
        for (const PuzzleEntry& pair : outcome.added)
            SetEntries[slot++] = pair;
        // A KVTML file's own title, author and comment go only where the prompts still stand.
        const WordList::List& list = read.value;
        if (!list.author.isEmpty() && TextFormat::trimBlanks(Text1->text()) == Texts::AuthorPrompt())
            Text1->setTextUncut(list.author);
        if (!list.title.isEmpty() && TextFormat::trimBlanks(Text2->text()) == Texts::TitlePrompt())
            Text2->setTextUncut(list.title);
        if (!list.info.isEmpty() &&
            TextFormat::trimBlanks(removeLineBreaks(Text3->toPlainText())) == Texts::InfoPrompt())
            Text3->setPlainText(list.info);
        RefreshClueGrid();
        setSaveAndDeleteEnabled(true);
    }
    ui_.messageBox(this, ImportRules::reportText(outcome), ImportRules::ReportTitle(), MsgButtons::Ok,
                   MsgIcon::None);
}

void frmCreate::mnuExport_Click() {
    const QString title = tr("Export Pairs");
    //: The name of the file type in the file dialog.
    saveTo({title, tr("CSV file") + QStringLiteral(" (*.csv)|*.csv"), QStringLiteral(".csv"), dialogFolder_},
           tr("The pairs could not be exported:"), title, [this](const QString& path) {
               return WordList::writeCsvFile(path, setForSaving({}, SetEntries, clock_.today()).pairs);
           });
}

bool frmCreate::saveTo(const FileDialogOptions& options, const QString& failure, const QString& failureTitle,
                       const std::function<FileResult<>(const QString&)>& write) {
    const QString path = ui_.saveFileDialog(this, options);
    if (path.isEmpty())
        return false; // cancelled: nothing is written or replaced
    const FileResult<> saved = write(path);
    if (!saved.ok)
        ui_.messageBox(this,
                       failure + TextFormat::CrLf + QDir::toNativeSeparators(path) + TextFormat::CrLf +
                           saved.error,
                       failureTitle, MsgButtons::Ok, MsgIcon::Stop);
    return saved.ok;
}

GameSet frmCreate::setForPrinting() const {
    auto unlessPrompt = [](const QString& text, const QString& prompt) {
        const QString trimmed = TextFormat::trimBlanks(removeLineBreaks(text));
        return trimmed == prompt ? QString() : trimmed;
    };
    return setForSaving({unlessPrompt(Text1->text(), Texts::AuthorPrompt()),
                         unlessPrompt(Text2->text(), Texts::TitlePrompt()),
                         unlessPrompt(Text3->toPlainText(), Texts::InfoPrompt())},
                        SetEntries, clock_.today());
}

void frmCreate::mnuPrint_Click() {
    //: The title of the print dialogs.
    const QString title = tr("Print");
    SheetChoice choice(title, this);
    ui_.showModal(choice);
    if (choice.result() != QDialog::Accepted)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(SheetPrinter::localePageSize());
    printer.setPageMargins(QMarginsF(20, 20, 20, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, this);
    // No "Print to File": Qt would write it wherever the chosen path leads, past the file
    // layer and its link rules. Export PDF writes the same pages safely.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!SheetPrinter::paint(printer, choice.kind(), setForPrinting()))
        ui_.messageBox(this, tr("The sheet could not be printed."), title, MsgButtons::Ok, MsgIcon::Stop);
}

void frmCreate::mnuPdf_Click() {
    const QString title = tr("Export PDF");
    SheetChoice choice(title, this);
    ui_.showModal(choice);
    if (choice.result() != QDialog::Accepted)
        return;
    const SheetLayout::Kind kind = choice.kind();
    //: The name of the file type in the file dialog.
    saveTo(
        {title, tr("PDF document") + QStringLiteral(" (*.pdf)|*.pdf"), QStringLiteral(".pdf"), dialogFolder_},
        tr("The PDF could not be written:"), title,
        [this, kind](const QString& path) { return SheetPrinter::writePdf(path, kind, setForPrinting()); });
}

void frmCreate::setSaveAndDeleteEnabled(bool enabled) {
    save_->setEnabled(enabled); // the buttons follow their actions
    deleteClue_->setEnabled(enabled);
}

bool frmCreate::mayDiscardUnsaved() {
    if (!save_->isEnabled())
        return true;
    const Texts::Message m = Texts::AreYouSure();
    return ui_.messageBox(this, m.text, m.title, MsgButtons::YesNo, MsgIcon::None) == MsgResult::Yes;
}

void frmCreate::startNewSet() {
    clearSetEntries();
    RefreshClueGrid();
    Text1->setTextUncut(Texts::AuthorPrompt());
    Text2->setTextUncut(Texts::TitlePrompt());
    Text3->setPlainText(Texts::InfoPrompt()); // without the line break it has at start-up
    setSaveAndDeleteEnabled(false);
}

FileDialogOptions frmCreate::dialogOptions(const QString& title) const {
    FileDialogOptions o;
    o.title = title;
    o.filter = Texts::FileFilter();
    o.defaultExtension = Texts::DefaultExtension;
    // The dialog opens on the file chosen last, or in the program folder before that.
    o.initialFolder = lastPath_.isEmpty() ? dialogFolder_ : lastPath_;
    return o;
}

void frmCreate::Command1_Click() {
    if (SetEntries[0].Clue.isEmpty())
        return;
    // A failed save keeps the set in the editor, and any old file whole.
    const bool saved =
        saveTo(dialogOptions(Texts::SaveDialogTitle()), tr("The game set could not be saved:"),
               Texts::NotSavedTitle(), [this](const QString& path) {
                   lastPath_ = path;
                   const SetTexts texts =
                       replaceUntouchedPrompts({Text1->text(), Text2->text(), Text3->toPlainText()});
                   if (texts.author != Text1->text())
                       Text1->setTextUncut(texts.author);
                   if (texts.title != Text2->text())
                       Text2->setTextUncut(texts.title);
                   if (texts.info != Text3->toPlainText())
                       Text3->setPlainText(texts.info);
                   return GameSetFile::writeFile(path, setForSaving(texts, SetEntries, clock_.today()));
               });
    if (saved)
        startNewSet();
}

void frmCreate::Command2_Click() {
    if (!mayDiscardUnsaved())
        return;
    startNewSet();
}

void frmCreate::Command3_Click() {
    frmAdd dialog(*this, ui_);
    ui_.showModal(dialog);
}

void frmCreate::Command4_Click() {
    if (gridRows(*MSFlexGrid1) == 1)
        return;
    const int r = gridCurrentRow(*MSFlexGrid1);
    if (r == 0)
        return;
    SetEntries[r - 1] = PuzzleEntry{};
    CompactSetEntries();
    RefreshClueGrid();
    if (gridRows(*MSFlexGrid1) == 1) {
        setSaveAndDeleteEnabled(false);
        Label5->setText(Texts::EmptyCountLabel());
        emptyCountLabel_ = true;
    }
}

void frmCreate::Command5_Click() {
    // Loading over pairs not yet saved would lose them.
    if (!mayDiscardUnsaved())
        return;
    const QString path = ui_.openFileDialog(this, dialogOptions(Texts::LoadDialogTitle()));
    if (path.isEmpty())
        return; // cancelled: nothing is loaded
    loadSet(path);
}

bool frmCreate::loadSet(const QString& path) {
    lastPath_ = path;

    // The whole file is read and checked before anything in the editor changes.
    GameSetReadResult read = GameSetFile::readFile(path);
    if (read.ok) {
        const QString reason = unholdableReason(read.value);
        if (!reason.isEmpty()) {
            read.ok = false;
            read.error = reason;
        }
    }
    if (!read.ok) {
        ui_.messageBox(this, GameSetFile::notLoadedText(path, read.error), GameSetFile::notLoadedTitle(),
                       MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }

    // A pair without a clue ends the set: the pairs before it load, and the user is told.
    const int withoutClue = firstPairWithoutClue(read.value);
    if (withoutClue > 0)
        read.value.pairs.resize(withoutClue - 1);
    Text2->setTextUncut(read.value.title);
    Text1->setTextUncut(read.value.author);
    Text3->setPlainText(read.value.info);
    installPairs(read.value);
    RefreshClueGrid();
    setSaveAndDeleteEnabled(true);
    if (withoutClue > 0)
        ui_.messageBox(this, partlyLoadedText(path, withoutClue), PartlyLoadedTitle(), MsgButtons::Ok,
                       MsgIcon::None);
    return true;
}

void frmCreate::Command6_Click() {
    ContextIDs::ShowHelpContents();
}

void frmCreate::Form_Resize(const CreateLayout::Layout& layout) {
    MSFlexGrid1->horizontalHeader()->resizeSection(0, Geometry::px(layout.ClueColumnWidth));
    MSFlexGrid1->horizontalHeader()->resizeSection(1, Geometry::px(layout.PuzzleColumnWidth));
    FontFit::fitTexts(this); // the controls' new sizes may hold a longer caption, or no longer
}

void frmCreate::closeEvent(QCloseEvent* event) {
    // Closing with pairs not yet saved asks first, as New Set does.
    if (!mayDiscardUnsaved()) {
        event->ignore();
        return;
    }
    Form_UnLoad();
    event->accept();
}
