// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's windows driven through the scripted UI: adding, refusing and clearing pairs,
// deleting, New Set, Save and Load Set end to end, the guards against losing pairs, the
// typing limits, the keys, and the window's layout as it is resized.
#include "ClueGrid.h"
#include "ContextIDs.h"
#include "CreateFormLayout.h"
#include "CreateLayout.h"
#include "FittingLabel.h"
#include "Geometry.h"
#include "HelpViewer.h"
#include "KazCreateMod.h"
#include "LimitedTextBox.h"
#include "ScriptedUi.h"
#include "TestFiles.h"
#include "frmAdd.h"
#include "frmCreate.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace KazCreateMod;

using TestFiles::readAll;
using TestFiles::writeBytes;

namespace {
// A window's control, found by its object name as a test tool would find it.
template <class T> T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The main window's controls.
struct CreateControls {
    explicit CreateControls(frmCreate& w)
        : Text1(control<LimitedLineEdit>(w, "Text1")), Text2(control<LimitedLineEdit>(w, "Text2")),
          Text3(control<LimitedPlainTextEdit>(w, "Text3")),
          MSFlexGrid1(control<QTableView>(w, "MSFlexGrid1")), Command1(control<QPushButton>(w, "Command1")),
          Command2(control<QPushButton>(w, "Command2")), Command3(control<QPushButton>(w, "Command3")),
          Command4(control<QPushButton>(w, "Command4")), Command5(control<QPushButton>(w, "Command5")),
          Command6(control<QPushButton>(w, "Command6")), Label5(control<FittingLabel>(w, "Label5")) {}
    LimitedLineEdit *Text1, *Text2;
    LimitedPlainTextEdit* Text3;
    QTableView* MSFlexGrid1;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6;
    FittingLabel* Label5;
};

// The add dialog and its controls.
struct AddControls {
    explicit AddControls(frmAdd& d)
        : self(d), Text1(control<LimitedPlainTextEdit>(d, "Text1")),
          Text2(control<LimitedPlainTextEdit>(d, "Text2")), Command1(control<QPushButton>(d, "Command1")),
          Command2(control<QPushButton>(d, "Command2")) {}
    frmAdd& self;
    LimitedPlainTextEdit *Text1, *Text2;
    QPushButton *Command1, *Command2;
};

QString cell(const CreateControls& form, int gridRow, int column, int role = Qt::DisplayRole) {
    return form.MSFlexGrid1->model()->index(tableRowOf(gridRow), column).data(role).toString();
}
} // namespace

class TestEditorWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    ScriptedUi ui;
    FixedClock clock;
    std::unique_ptr<frmCreate> form;
    std::unique_ptr<CreateControls> c; // form's controls

    QString path(const QString& name) const { return dir->filePath(name); }
    QSize outerSize() const { return static_cast<CreateFormLayout*>(form->layout())->outerSize(); }

    // Opens the add dialog and lets the handler type into it and press its buttons.
    void withAddDialog(const std::function<void(AddControls&)>& handler) {
        ui.modalHandlers.enqueue([handler](QDialog& d) {
            auto* dialog = qobject_cast<frmAdd*>(&d);
            QVERIFY(dialog);
            dialog->show();
            AddControls controls(*dialog);
            handler(controls);
        });
        c->Command3->click();
    }

    void addPair(const QString& clue, const QString& puzzle) {
        withAddDialog([&](AddControls& d) {
            d.Text1->setPlainText(clue);
            d.Text2->setPlainText(puzzle);
            d.Command1->click();
        });
    }

    void fillSlots(int n) {
        for (int i = 0; i < n; ++i)
            SetEntries[i] = {QStringLiteral("Clue %1").arg(QChar(u'A' + i % 26)), QStringLiteral("Puzzle")};
        form->RefreshClueGrid();
        form->setSaveAndDeleteEnabled(true);
    }

    // The state of "Save" and "Delete This Clue", which always agree.
    bool saveButtonsEnabled() const {
        if (c->Command1->isEnabled() != c->Command4->isEnabled())
            QTest::qFail("Save and Delete This Clue disagree", __FILE__, __LINE__);
        return c->Command1->isEnabled();
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        clearSetEntries();
        ui = ScriptedUi();
        form = std::make_unique<frmCreate>(EditorServices{ui, clock, dir->path()});
        c = std::make_unique<CreateControls>(*form);
        form->show();
    }

    void cleanup() {
        c.reset();
        form.reset();
        ContextIDs::QuitHelp();
    }

    // The window opens with its prompts, an empty grid, Save and Delete disabled, and help
    // set up for the editor.
    void startsWithPromptsAndButtonsOff() {
        QCOMPARE(form->windowTitle(), QStringLiteral("KAZ Puzzle Set Creator"));
        QCOMPARE(c->Text1->text(), QStringLiteral("Your Name"));
        QCOMPARE(c->Text2->text(), QStringLiteral("Title For Set"));
        QCOMPARE(c->Text3->toPlainText(), Texts::InfoPrompt() + u'\n');
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of Clues in Set: 0"));
        QCOMPARE(c->MSFlexGrid1->model()->rowCount(), 0);
        QCOMPARE(c->MSFlexGrid1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Clue"));
        QCOMPARE(c->MSFlexGrid1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Puzzle"));
        QVERIFY(!saveButtonsEnabled());
        for (QPushButton* b : {c->Command2, c->Command3, c->Command5, c->Command6})
            QVERIFY(b->isEnabled());
        QCOMPARE(c->Text1->limit(), 255);
        QCOMPARE(c->Text3->limit(), 255);
        QCOMPARE(ContextIDs::helpContextIdOf(c->Text1), 10);
        QCOMPARE(ContextIDs::helpFile(), dir->path() + QStringLiteral("/KazCreate.HLP"));
        c->Command6->click();
        QVERIFY(ContextIDs::viewer());
        QCOMPARE(ContextIDs::viewer()->currentAnchor(), QStringLiteral("contents"));
    }

    // The dialog refuses an empty entry (prompts, digits only, after Clear) and a badly spaced
    // puzzle, each with its message and focus, and stores nothing.
    void addDialogRefusesAndClears() {
        withAddDialog([&](AddControls& d) {
            QCOMPARE(d.self.windowTitle(), QStringLiteral("Add a Clue"));
            QCOMPARE(d.Text1->toPlainText(), Texts::CluePrompt() + u'\n');
            QCOMPARE(d.Text2->toPlainText(), Texts::PuzzlePrompt() + u'\n');
            QCOMPARE(d.Text1->toolTip(), QStringLiteral("A Clue Can Have No More Than 30 Characters"));
            QCOMPARE(d.Text2->toolTip(), QStringLiteral("A Clue Can Have No More Than 75 Characters"));
            QCOMPARE(ContextIDs::helpContextIdOf(d.Text2), 20);

            d.Command1->click();
            QCOMPARE(d.Text1->toPlainText(), Texts::CluePrompt()); // line break gone even on refusal
            QCOMPARE(ui.messages().size(), 1);
            const UiCall empty =
                UiCall::message(QStringLiteral("An entry is empty!\r\nPlease check them and try again!"),
                                QStringLiteral("ERROR IN DATA"), MsgButtons::Ok, MsgIcon::Stop);
            QCOMPARE(ui.messages().last(), empty);
            QCOMPARE(d.self.focusWidget(), d.Text1);

            d.Text1->setPlainText(QStringLiteral("1999"));
            d.Text2->setPlainText(QStringLiteral("Party"));
            d.Command1->click();
            QCOMPARE(ui.messages().size(), 2);
            QCOMPARE(ui.messages().last(), empty);

            d.Text1->setPlainText(QStringLiteral("Long"));
            d.Text2->setPlainText(QString(26, u'x'));
            d.Command1->click();
            QCOMPARE(ui.messages().size(), 3);
            QCOMPARE(
                ui.messages().last(),
                UiCall::message(
                    QStringLiteral(
                        "Your Puzzle is over 25 characters long and it \r\ndoes not have at LEAST one space "
                        "every 25 character.\r\nI am sorry, but I must ask that you modifiy it to allow "
                        "for proper display."),
                    QStringLiteral("Bad Spacing")));
            QCOMPARE(d.self.focusWidget(), d.Text2);

            d.Command2->click();
            QCOMPARE(d.Text1->toPlainText(), QString());
            QCOMPARE(d.Text2->toPlainText(), QString());
            QCOMPARE(d.self.focusWidget(), d.Text1);
            d.Command1->click();
            QCOMPARE(ui.messages().size(), 4);
            QCOMPARE(ui.messages().last(), empty);
            QVERIFY(d.self.isVisible());
            d.self.reject(); // the close box
        });
        QCOMPARE(pairCount(), 0);
        QVERIFY(!saveButtonsEnabled());
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of Clues in Set: 0"));
    }

    // An accepted pair is stored filtered in the first free slot, line breaks removed, and
    // the dialog closes; the grid and label follow, Save and Delete come on.
    void addDialogStoresTheFilteredPair() {
        fillSlots(3);
        form->setSaveAndDeleteEnabled(false);
        bool closed = false;
        withAddDialog([&](AddControls& d) {
            d.Text1->setPlainText(QStringLiteral("It's 4 U!"));
            d.Text2->setPlainText(QStringLiteral("Big\nDog-house"));
            d.Command1->click();
            closed = !d.self.isVisible() && d.self.result() == QDialog::Accepted;
        });
        QVERIFY(closed);
        QVERIFY(ui.messages().isEmpty());
        QCOMPARE(SetEntries[3].Clue, QStringLiteral("It s   U"));
        QCOMPARE(SetEntries[3].Puzzle, QStringLiteral("BigDog house"));
        QCOMPARE(cell(*c, 4, 0), QStringLiteral("It s   U"));
        QCOMPARE(cell(*c, 4, 1), QStringLiteral("BigDog house"));
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 4"));
        QCOMPARE(gridCurrentRow(*c->MSFlexGrid1), 4);
        QVERIFY(saveButtonsEnabled());

        // A prompt with more typed after it is a real entry.
        addPair(QStringLiteral("x"), Texts::PuzzlePrompt() + QStringLiteral(" Yes"));
        QCOMPARE(SetEntries[4].Puzzle, QStringLiteral("Enter the puzzle to be solved here  Yes"));
        // Too wide for its column, the puzzle can still be read whole by pointing at it.
        QCOMPARE(cell(*c, 5, 1, Qt::ToolTipRole), SetEntries[4].Puzzle);
    }

    // A full set says so and keeps the dialog, and the pair in it, open; nothing is stored.
    // Its three-digit count shows whole in the label at the smallest window.
    void addingToAFullSetIsRefused() {
        fillSlots(101);
        QCOMPARE(c->MSFlexGrid1->model()->rowCount(), 101);
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 101"));
        const QRect box = c->Label5->contentsRect();
        const QRect needed =
            QFontMetrics(c->Label5->fittedFont())
                .boundingRect(box, Qt::TextWordWrap | c->Label5->alignment(), c->Label5->text());
        QVERIFY(box.contains(needed));
        bool open = false;
        withAddDialog([&](AddControls& d) {
            d.Text1->setPlainText(QStringLiteral("One more"));
            d.Text2->setPlainText(QStringLiteral("Too many"));
            d.Command1->click();
            open = d.self.isVisible();
            QCOMPARE(d.Text2->toPlainText(), QStringLiteral("Too many"));
        });
        QVERIFY(open);
        QCOMPARE(ui.messages().size(), 1);
        QCOMPARE(ui.messages()[0],
                 UiCall::message(QStringLiteral("This set already holds 101 clues.\r\nNo more can be added."),
                                 QStringLiteral("Set Is Full")));
        QCOMPARE(pairCount(), 101);
        QCOMPARE(SetEntries[100].Puzzle, QStringLiteral("Puzzle"));
    }

    // Delete acts on the current row (the last pair's after any refresh); deleting the last
    // pair turns the buttons off and shows the capitalised label.
    void deleteActsOnTheCurrentRow() {
        form->setSaveAndDeleteEnabled(true);
        c->Command4->click(); // no pairs: nothing happens
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of Clues in Set: 0"));

        SetEntries[0] = {QStringLiteral("one"), QStringLiteral("ONE")};
        SetEntries[1] = {QStringLiteral("two"), QStringLiteral("TWO")};
        SetEntries[2] = {QStringLiteral("three"), QStringLiteral("THREE")};
        form->RefreshClueGrid();
        form->setSaveAndDeleteEnabled(true);
        c->MSFlexGrid1->setCurrentIndex(c->MSFlexGrid1->model()->index(tableRowOf(2), 0));
        c->Command4->click();
        QCOMPARE(pairCount(), 2);
        QCOMPARE(cell(*c, 2, 0), QStringLiteral("three"));
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 2"));
        QVERIFY(saveButtonsEnabled());

        c->Command4->click(); // without touching the grid: the last pair goes
        QCOMPARE(pairCount(), 1);
        QCOMPARE(SetEntries[0].Clue, QStringLiteral("one"));
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 1"));

        c->Command4->click();
        QCOMPARE(pairCount(), 0);
        QCOMPARE(c->MSFlexGrid1->model()->rowCount(), 0);
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of Clues in Set: 0"));
        QVERIFY(!saveButtonsEnabled());
        QVERIFY(ui.calls.isEmpty());
    }

    // New Set asks only while Save is on; No keeps everything, Yes (or no question) clears.
    void newSetAsksOnlyWithUnsavedPairs() {
        c->Command2->click();
        QVERIFY(ui.calls.isEmpty());
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 0"));
        QCOMPARE(c->Text3->toPlainText(), Texts::InfoPrompt());

        addPair(QStringLiteral("Barks"), QStringLiteral("Dog"));
        c->Text2->setText(QStringLiteral("Animals"));
        ui.clear();
        ui.messageAnswers.enqueue(MsgResult::No);
        c->Command2->click();
        QCOMPARE(ui.messages().size(), 1);
        QCOMPARE(
            ui.messages()[0],
            UiCall::message(
                QStringLiteral("Are You Sure?\r\nAll unsaved puzzle data entered thus far will be lost!"),
                QStringLiteral("ARE YOU SURE?"), MsgButtons::YesNo));
        QCOMPARE(pairCount(), 1);
        QCOMPARE(c->Text2->text(), QStringLiteral("Animals"));
        QVERIFY(saveButtonsEnabled());

        ui.messageAnswers.enqueue(MsgResult::Yes);
        c->Command2->click();
        QCOMPARE(pairCount(), 0);
        QCOMPARE(c->MSFlexGrid1->model()->rowCount(), 0);
        QCOMPARE(c->Text2->text(), QStringLiteral("Title For Set"));
        QVERIFY(!saveButtonsEnabled());
    }

    // Save writes the set in the file format with today's date and the prompt replacements,
    // then empties the editor; loading the file back and saving it again gives the same bytes.
    void saveThenReloadByteForByte() {
        form->setSaveAndDeleteEnabled(true);
        c->Command1->click(); // no pairs: no dialog
        QVERIFY(ui.calls.isEmpty());

        addPair(QStringLiteral("It barks at the mailman"), QStringLiteral("Big Dog"));
        addPair(QStringLiteral("King of the jungle"), QStringLiteral("Lion"));
        c->Text2->setText(QStringLiteral("  Animals "));
        c->Text1->setText(QStringLiteral(" Your Name"));
        const QString first = path(QStringLiteral("animals.kazset"));
        ui.fileAnswers.enqueue(first);
        c->Command1->click();
        const UiCall& dialog = ui.calls.last();
        QCOMPARE(dialog.kind, UiCall::SaveFile);
        QCOMPARE(dialog.title, QStringLiteral("Save Your Game Set"));
        QCOMPARE(dialog.file.filter, QStringLiteral("KAZ Game Set (*.kazset)|*.kazset"));
        QCOMPARE(dialog.file.defaultExtension, QStringLiteral(".kazset"));
        QCOMPARE(dialog.file.initialFolder, dir->path() + u'/');
        const QByteArray expected =
            "\"Animals\"\r\n\"None Given\"\r\n#2001-02-25#\r\n\"No information given\"\r\n2\r\n"
            "\"It barks at the mailman\"\r\n\"Big Dog\"\r\n\"King of the jungle\"\r\n\"Lion\"\r\n";
        QCOMPARE(readAll(first), expected);
        QCOMPARE(pairCount(), 0);
        QCOMPARE(c->Text1->text(), QStringLiteral("Your Name"));
        QCOMPARE(c->Text3->toPlainText(), Texts::InfoPrompt());
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 0"));
        QVERIFY(!saveButtonsEnabled());
        QVERIFY(ui.messages().isEmpty());

        ui.fileAnswers.enqueue(first);
        c->Command5->click();
        QCOMPARE(ui.calls.last().title, QStringLiteral("Select a Game Set to Edit"));
        QCOMPARE(ui.calls.last().file.initialFolder, first); // opens on the file chosen last
        QCOMPARE(c->Text2->text(), QStringLiteral("Animals"));
        QCOMPARE(c->Text1->text(), QStringLiteral("None Given"));
        QCOMPARE(c->Text3->toPlainText(), QStringLiteral("No information given"));
        QCOMPARE(cell(*c, 2, 1), QStringLiteral("Lion"));
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 2"));
        QCOMPARE(gridCurrentRow(*c->MSFlexGrid1), 2);
        QVERIFY(saveButtonsEnabled());

        const QString second = path(QStringLiteral("again.kazset"));
        ui.fileAnswers.enqueue(second);
        c->Command1->click();
        QCOMPARE(readAll(second), expected);

        // Loading the 2-pair set over a bigger one shows exactly its pairs.
        fillSlots(10);
        ui.messageAnswers.enqueue(MsgResult::Yes);
        ui.fileAnswers.enqueue(first);
        c->Command5->click();
        QCOMPARE(pairCount(), 2);
        QCOMPARE(c->MSFlexGrid1->model()->rowCount(), 2);
    }

    // A hand-written file's texts that the editor would not produce itself load as they are,
    // over-long ones uncut.
    void loadsOddTextsAsTheyAre() {
        const QString longTitle(300, u'T');
        const QString odd = path(QStringLiteral("odd.kazset"));
        QVERIFY(writeBytes(odd, "\"" + longTitle.toLatin1() +
                                    "\",\"Me\",#1999-12-31#,\"i\",2,\"It's 4 U!\",\"R2-D2\",\"x\",\"\"\r\n"));
        ui.fileAnswers.enqueue(odd);
        c->Command5->click();
        QVERIFY(ui.messages().isEmpty());
        QCOMPARE(c->Text2->text(), longTitle);
        QCOMPARE(SetEntries[0].Clue, QStringLiteral("It's 4 U!"));
        QCOMPARE(SetEntries[0].Puzzle, QStringLiteral("R2-D2"));
        QCOMPARE(SetEntries[1].Puzzle, QString());
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 2"));
    }

    // Cancel in either dialog cancels: nothing written, replaced or loaded.
    void cancelInTheFileDialogsCancels() {
        addPair(QStringLiteral("c"), QStringLiteral("p"));
        c->Command1->click(); // the scripted dialog answers Cancel
        QCOMPARE(ui.calls.last().kind, UiCall::SaveFile);
        QCOMPARE(c->Text1->text(), QStringLiteral("Your Name"));
        QCOMPARE(c->Text3->toPlainText(), Texts::InfoPrompt() + u'\n');
        QCOMPARE(pairCount(), 1);
        QVERIFY(saveButtonsEnabled());
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());

        ui.messageAnswers.enqueue(MsgResult::Yes);
        c->Command5->click();
        QCOMPARE(ui.calls.last().kind, UiCall::OpenFile);
        QCOMPARE(pairCount(), 1);
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 1"));
        QVERIFY(ui.messages().size() == 1); // only the question
    }

    // A save that cannot be written says why and keeps the set; an existing file survives.
    void failedSaveKeepsTheSet() {
        addPair(QStringLiteral("c"), QStringLiteral("p"));
        const QString missing = path(QStringLiteral("no/such/folder/x.kazset"));
        ui.fileAnswers.enqueue(missing);
        c->Command1->click();
        QCOMPARE(ui.messages().size(), 1);
        QCOMPARE(ui.messages()[0].title, QStringLiteral("Game Set Not Saved"));
        QCOMPARE(ui.messages()[0].icon, MsgIcon::Stop);
        QVERIFY(ui.messages()[0].text.startsWith(QStringLiteral("The game set could not be saved:\r\n") +
                                                 QDir::toNativeSeparators(missing) + QStringLiteral("\r\n")));
        QVERIFY(ui.messages()[0].text.size() >
                QStringLiteral("The game set could not be saved:\r\n\r\n").size() + missing.size());
        QCOMPARE(pairCount(), 1);
        QVERIFY(saveButtonsEnabled());
        QCOMPARE(c->Text1->text(), QStringLiteral("None Given")); // the replacements stay

        // A folder where the file should be: the save fails and the folder is untouched.
        const QString folder = path(QStringLiteral("taken.kazset"));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("taken.kazset")));
        QVERIFY(writeBytes(folder + QStringLiteral("/inside.txt"), "keep"));
        ui.fileAnswers.enqueue(folder);
        c->Command1->click();
        QCOMPARE(ui.messages().size(), 2);
        QCOMPARE(readAll(folder + QStringLiteral("/inside.txt")), QByteArray("keep"));
        QCOMPARE(pairCount(), 1);
    }

    // A damaged file changes nothing and is reported with the game's "Game Set Not Loaded" message.
    void failedLoadChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("damaged") << QByteArray(
            "\"T\"\r\n\"A\"\r\n#2001-02-25#\r\n\"I\"\r\n3\r\n\"c1\"\r\n\"p1\"\r\n");
    }
    void failedLoadChangesNothing() {
        QFETCH(QByteArray, bytes);
        addPair(QStringLiteral("Barks"), QStringLiteral("Dog"));
        c->Text2->setText(QStringLiteral("Mine"));
        const QString file = path(QStringLiteral("bad.kazset"));
        QVERIFY(writeBytes(file, bytes));
        ui.clear();
        ui.messageAnswers.enqueue(MsgResult::Yes);
        ui.fileAnswers.enqueue(file);
        c->Command5->click();
        QCOMPARE(ui.messages().size(), 2);
        const UiCall m = ui.messages()[1];
        QCOMPARE(m.title, GameSetFile::NotLoadedTitle);
        QCOMPARE(m.icon, MsgIcon::Stop);
        // The reason (with its line) follows the file's name.
        QVERIFY(m.text.startsWith(GameSetFile::notLoadedText(file, QString())));
        QVERIFY(m.text.size() > GameSetFile::notLoadedText(file, QString()).size());
        QCOMPARE(c->Text2->text(), QStringLiteral("Mine"));
        QCOMPARE(pairCount(), 1);
        QCOMPARE(SetEntries[0].Puzzle, QStringLiteral("Dog"));
        QCOMPARE(c->MSFlexGrid1->model()->rowCount(), 1);
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 1"));
        QVERIFY(saveButtonsEnabled());
    }

    // A set whose pair 3 has no clue loads pairs 1 and 2, and says so once.
    void emptyClueEndsTheLoadedSet() {
        const QString file = path(QStringLiteral("gap.kazset"));
        QVERIFY(writeBytes(file,
                           "\"T\"\r\n\"A\"\r\n#2001-02-25#\r\n\"I\"\r\n4\r\n\"c1\"\r\n\"p1\"\r\n\"c2\"\r\n"
                           "\"p2\"\r\n\"\"\r\n\"p3\"\r\n\"c4\"\r\n\"p4\"\r\n"));
        QVERIFY(form->loadSet(file));
        QCOMPARE(ui.messages(),
                 QList<UiCall>{UiCall::message(partlyLoadedText(file, 3), PartlyLoadedTitle())});
        QVERIFY(partlyLoadedText(file, 3).endsWith(
            QStringLiteral("Pairs 1 to 2 were loaded; pair 3 and the pairs after it were not.")));
        QCOMPARE(pairCount(), 2);
        QCOMPARE(c->Label5->text(), QStringLiteral("Number of clues in set: 2"));
        QCOMPARE(cell(*c, 2, 1), QStringLiteral("p2"));
    }

    // Closing the window or loading another set while Save is on asks first; No keeps all.
    void unsavedPairsAreNeverDroppedSilently() {
        addPair(QStringLiteral("Barks"), QStringLiteral("Dog"));
        ui.clear();
        QVERIFY(!form->close()); // the script answers No
        QCOMPARE(ui.messages().size(), 1);
        QCOMPARE(ui.messages()[0],
                 UiCall::message(Texts::AreYouSure().text, Texts::AreYouSure().title, MsgButtons::YesNo));
        QVERIFY(form->isVisible());
        QCOMPARE(pairCount(), 1);

        ui.fileAnswers.enqueue(path(QStringLiteral("never.kazset")));
        c->Command5->click(); // No again: the open dialog never shows
        QCOMPARE(ui.calls.size(), 2);
        QCOMPARE(ui.calls.last().kind, UiCall::Message);
        QCOMPARE(pairCount(), 1);

        ui.messageAnswers.enqueue(MsgResult::Yes);
        QVERIFY(form->close());

        ui.clear();
        form->show();
        form->setSaveAndDeleteEnabled(false);
        QVERIFY(form->close()); // nothing unsaved: no question
        QVERIFY(ui.calls.isEmpty());
    }

    // Typing and pasting stop at the limits; text the program sets is never cut.
    void typingLimitsHoldOnlyAgainstTheUser() {
        withAddDialog([&](AddControls& d) {
            QTest::keyClicks(d.Text1, QStringLiteral("more")); // the prompt, selected, gives way
            QCOMPARE(d.Text1->toPlainText(), QStringLiteral("more"));
            d.Text1->setPlainText(Texts::CluePrompt() + u'\n'); // over 30: the user cannot lengthen it
            d.Text1->moveCursor(QTextCursor::End);
            QTest::keyClicks(d.Text1, QStringLiteral("more"));
            QCOMPARE(d.Text1->toPlainText(), Texts::CluePrompt() + u'\n');
            QGuiApplication::clipboard()->setText(QString(50, u'q'));
            d.Text1->selectAll();
            d.Text1->paste(); // over the selected long prompt: still no more than 30
            QCOMPARE(d.Text1->toPlainText(), QString(30, u'q'));
            d.Text1->clear();
            QTest::keyClicks(d.Text1, QString(40, u'a'));
            QCOMPARE(d.Text1->toPlainText(), QString(30, u'a'));
            QTest::keyClick(d.Text1, Qt::Key_Return);
            QCOMPARE(d.Text1->toPlainText().size(), 30);
            QTest::keyClick(d.Text1, Qt::Key_Backspace);
            QTest::keyClick(d.Text1, Qt::Key_Return);
            QCOMPARE(d.Text1->toPlainText(), QString(29, u'a') + u'\n');

            d.Text2->clear();
            QTest::keyClicks(d.Text2, QStringLiteral("abc"));
            QGuiApplication::clipboard()->setText(QString(100, u'z'));
            d.Text2->paste();
            QCOMPARE(d.Text2->toPlainText(), QStringLiteral("abc") + QString(72, u'z'));
            d.Text2->selectAll();
            d.Text2->paste(); // replacing the whole text makes room for 75 again
            QCOMPARE(d.Text2->toPlainText(), QString(75, u'z'));
            d.Text2->setPlainText(QString(90, u'y'));
            QCOMPARE(d.Text2->toPlainText().size(), 90);
            d.self.reject();
        });

        c->Text1->clear();
        QTest::keyClicks(c->Text1, QString(260, u'n'));
        QCOMPARE(c->Text1->text().size(), 255);
        c->Text1->setTextUncut(QString(300, u'm'));
        QCOMPARE(c->Text1->text().size(), 300);
        c->Text1->end(false);
        QTest::keyClicks(c->Text1, QStringLiteral("x"));
        QCOMPARE(c->Text1->text().size(), 300);
        QGuiApplication::clipboard()->setText(QString(300, u'p'));
        c->Text1->selectAll();
        c->Text1->paste();
        QCOMPARE(c->Text1->text(), QString(255, u'p'));
        c->Text3->clear();
        QTest::keyClicks(c->Text3, QString(260, u'i'));
        QCOMPARE(c->Text3->toPlainText().size(), 255);
    }

    // Controls are placed by the layout rules for the outer size; the window keeps its
    // minimum, and a minimised window is left alone.
    // The editor's keys press its buttons (Ctrl+Return adds, a plain Enter breaks the line),
    // and a prompt selected on focus gives way to typing; the window has its own icon.
    void keysAndPromptsThatGiveWay() {
        form->show();
        for (bool touched : {false, true}) {
            withAddDialog([&](AddControls& d) {
                QApplication::setActiveWindow(&d.self);
                if (touched) { // the prompts give way; Enter breaks the line
                    QTest::keyClicks(d.Text1, QStringLiteral("Pet"));
                    QTest::keyClick(d.Text1, Qt::Key_Tab);
                    QTest::keyClicks(d.Text2, QStringLiteral("Big"));
                    QTest::keyClick(d.Text2, Qt::Key_Return);
                    QTest::keyClicks(d.Text2, QStringLiteral(" Cat"));
                }
                QTest::keyClick(d.Text2, Qt::Key_O, Qt::ControlModifier); // the main window's keys wait
                QTest::keyClick(d.Text2, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
            });
        }
        QCOMPARE(ui.calls.size(), 3); // two dialogs and one message: untouched prompts are an empty entry
        QCOMPARE(ui.messages()[0], UiCall::message(Texts::EmptyEntry().text, Texts::EmptyEntry().title,
                                                   MsgButtons::Ok, MsgIcon::Stop));
        QCOMPARE(SetEntries[0].Clue + u'|' + SetEntries[0].Puzzle, QStringLiteral("Pet|Big Cat"));
        QApplication::setActiveWindow(form.get());
        c->MSFlexGrid1->setFocus();
        QTest::keyClick(c->MSFlexGrid1, Qt::Key_Delete);
        QCOMPARE(pairCount(), 0);
        addPair(QStringLiteral("Two"), QStringLiteral("Second"));
        QApplication::setActiveWindow(form.get());
        ui.clear();
        for (Qt::Key k : {Qt::Key_S, Qt::Key_N, Qt::Key_O, Qt::Key_D}) // Cancel, No, No, Delete
            QTest::keyClick(form.get(), k, Qt::ControlModifier);
        QVERIFY(ui.calls.size() == 3 && ui.calls[0].kind == UiCall::SaveFile && pairCount() == 0);
        QVERIFY(ui.calls[1].title == Texts::AreYouSure().title &&
                ui.calls[2].title == Texts::AreYouSure().title);
        QVERIFY(form->windowIcon().cacheKey() != QApplication::windowIcon().cacheKey());
    }

    void controlsFollowTheWindowSize() {
        form->resize(200, 200);
        const QSize outer = outerSize();
        QVERIFY(outer.width() >= 320 && outer.height() >= 430);
        // The rules lay out the client area below the menu bar.
        const int top = static_cast<CreateFormLayout*>(form->layout())->menuHeight();
        QVERIFY(top > 0);
        auto expectAt = [&](const CreateLayout::Layout& l) {
            auto px = [top](const QRectF& r) {
                return Geometry::rect(r.x(), r.y(), r.width(), r.height()).translated(0, top);
            };
            QCOMPARE(c->Text1->geometry(), px(l.Text1));
            QCOMPARE(c->MSFlexGrid1->geometry(), px(l.MSFlexGrid1));
            QCOMPARE(c->Label5->geometry(), px(l.Label5));
            QCOMPARE(c->Command6->geometry(), px(l.Command6));
            QCOMPARE(c->MSFlexGrid1->horizontalHeader()->sectionSize(0), Geometry::px(l.ClueColumnWidth));
            QCOMPARE(c->MSFlexGrid1->horizontalHeader()->sectionSize(1), Geometry::px(l.PuzzleColumnWidth));
        };
        expectAt(CreateLayout::compute(Geometry::twips(outer.width()), Geometry::twips(outer.height())));

        const QSize frame = outerSize() - form->size();
        form->resize(640 - frame.width(), 430 - frame.height());
        expectAt(CreateLayout::compute(9600, 6450));
        QCOMPARE(c->Command6->geometry().top(), Geometry::px(5348.4) + top);

        const QRect before = c->Command6->geometry();
        form->setWindowState(Qt::WindowMinimized);
        form->resize(400, 600);
        QCOMPARE(c->Command6->geometry(), before);
        form->setWindowState(Qt::WindowNoState);
        const QSize restored = outerSize();
        expectAt(
            CreateLayout::compute(Geometry::twips(restored.width()), Geometry::twips(restored.height())));
    }
};

QTEST_MAIN(TestEditorWindows)
#include "test_editor_windows.moc"
