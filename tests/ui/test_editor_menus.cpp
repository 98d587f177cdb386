// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's menu bar end to end: Edit This Clue replaces a pair in its place (and Esc
// changes nothing), Import Pairs adds a word list's pairs and reports in one box, and the
// answer key and worksheet PDFs read back as text with pdftotext.
#include "ContextIDs.h"
#include "ImportRules.h"
#include "KazCreateMod.h"
#include "LimitedTextBox.h"
#include "ScriptedUi.h"
#include "SheetPrinter.h"
#include "TestFiles.h"
#include "TestWidgets.h"
#include "frmAdd.h"
#include "frmCreate.h"

#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace KazCreateMod;

class TestEditorMenus : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ScriptedUi ui;
    FixedClock clock;
    std::unique_ptr<frmCreate> form;

    QAction* action(const QString& text) {
        for (QAction* menu : find<QMenuBar>(*form, "menuBar")->actions())
            for (QAction* a : menu->menu()->actions())
                if (a->text().remove(u'&') == text)
                    return a;
        qFatal("no menu item %s", qPrintable(text));
    }
    QString pairs() const {
        QStringList out;
        for (int i = 0; i < pairCount(); ++i)
            out << SetEntries[i].Clue + u'|' + SetEntries[i].Puzzle;
        return out.join(u',');
    }

private slots:
    void init() {
        clearSetEntries();
        ui = ScriptedUi();
        form = std::make_unique<frmCreate>(EditorServices{ui, clock, dir.path()});
        form->show();
    }
    void cleanup() {
        form.reset();
        ContextIDs::QuitHelp();
    }

    // The dialog opens as "Edit a Clue" with the row's pair; OK replaces it in place (a box
    // left as it was keeps its text unfiltered) and the row stays current; Esc changes
    // nothing; with no pairs the item is disabled.
    void editThisClueReplacesThePairInPlace() {
        QVERIFY(!action("Edit This Clue")->isEnabled());
        for (int i = 0; i < 3; ++i)
            SetEntries[i] = {QStringLiteral("Clue %1").arg(i + 1), QStringLiteral("Puzzle")};
        SetEntries[1].Puzzle = QStringLiteral("Catch-22");
        form->RefreshClueGrid();
        auto* grid = find<QTableView>(*form, "MSFlexGrid1");
        grid->setCurrentIndex(grid->model()->index(1, 0));
        ui.modalHandlers.enqueue([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Edit a Clue"));
            QCOMPARE(find<QPushButton>(d, "Command1")->text(), QStringLiteral("OK"));
            auto* clue = find<LimitedPlainTextEdit>(d, "Text1");
            QCOMPARE(clue->toPlainText() + u'|' + find<LimitedPlainTextEdit>(d, "Text2")->toPlainText(),
                     QStringLiteral("Clue 2|Catch-22"));
            clue->setPlainText(QStringLiteral("Big cat!"));
            find<QPushButton>(d, "Command1")->click();
        });
        ui.modalHandlers.enqueue([](QDialog& d) {
            find<LimitedPlainTextEdit>(d, "Text1")->setPlainText(QStringLiteral("Lost"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        action("Edit This Clue")->trigger();
        QCOMPARE(pairs(), QStringLiteral("Clue 1|Puzzle,Big cat|Catch-22,Clue 3|Puzzle"));
        QCOMPARE(grid->currentIndex().row(), 1);
        QVERIFY(find<QPushButton>(*form, "Command1")->isEnabled());
        QApplication::setActiveWindow(form.get());
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return); // Enter in the grid, then Esc
        QCOMPARE(pairs(), QStringLiteral("Clue 1|Puzzle,Big cat|Catch-22,Clue 3|Puzzle"));
        QCOMPARE(ui.calls.size(), 2);
    }

    // New Set, Load Set and Save head the File menu with their keys; each item is its button's
    // command, enabled with it and doing the same.
    void fileMenuHoldsTheButtonsCommands() {
        QMenu* file = find<QMenuBar>(*form, "menuBar")->actions()[0]->menu();
        QStringList items;
        for (QAction* a : file->actions().mid(0, 5))
            items << a->text() + u' ' + a->shortcut().toString();
        QCOMPARE(items.join(u'|'), "&New Set Ctrl+N|&Load Set... Ctrl+O|&Save... Ctrl+S| |&Import Pairs... ");
        QVERIFY(!file->actions()[2]->isEnabled());
        SetEntries[0] = {QStringLiteral("Barks"), QStringLiteral("Dog")};
        form->setSaveAndDeleteEnabled(true);
        for (QAction* item : file->actions().mid(0, 3))
            item->trigger(); // No, No, Cancel
        const QList<UiCall> byMenu = ui.calls;
        ui.clear();
        for (const char* button : {"Command2", "Command5", "Command1"})
            find<QPushButton>(*form, button)->click();
        QVERIFY(byMenu.size() == 3 && ui.calls == byMenu);
    }

    // A word list's good pairs fill the free slots and one box reports the rest; a file that
    // cannot be read changes nothing and says why.
    void importPairsReportsInOneBox() {
        const QString list = dir.filePath("list.csv");
        QVERIFY(TestFiles::writeBytes(list, "Clue,Puzzle\nBig cat,Lion\n1999,Year\n\"Sea, salt\",Ocean\n"));
        ui.fileAnswers.enqueue(list);
        action("Import Pairs...")->trigger();
        QCOMPARE(ui.calls[0].file.filter,
                 QStringLiteral("Word lists (*.csv *.tsv *.txt *.kvtml)|*.csv *.tsv *.txt *.kvtml"));
        QCOMPARE(
            ui.messages(),
            QList<UiCall>{UiCall::message(
                "2 pairs were added.\r\n1 line was refused:\r\nline 3: " + ImportRules::Reasons::ClueDigit() +
                    "\r\n1 line was changed:\r\nline 4: punctuation became blanks",
                "Import Pairs")});
        QCOMPARE(pairs(), QStringLiteral("Big cat|Lion,Sea  salt|Ocean"));
        QVERIFY(find<QPushButton>(*form, "Command1")->isEnabled());

        const QString fifo = dir.filePath("pipe.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        ui.clear();
        form->importPairs(fifo);
        QCOMPARE(ui.messages(),
                 QList<UiCall>{UiCall::message("This word list could not be imported:\r\n" + fifo +
                                                   "\r\nit is a named pipe (FIFO), not a regular file",
                                               "Import Pairs", MsgButtons::Ok, MsgIcon::Stop)});
        QCOMPARE(pairCount(), 2);
    }

    // The answer key holds every clue with its puzzle and "Page N of M", and all of a
    // 3,000-word information text; the worksheet holds the clues and the hidden boards, and
    // no puzzle word.
    void sheetsReadBackAsText() {
        const QString info = "For class " + QStringLiteral("lorem ").repeated(2997) + "last words.";
        GameSet set{QStringLiteral("Beasts"), QStringLiteral("Ms Reed"), {}, info, {}};
        for (int i = 0; i < 101; ++i)
            set.pairs.append({QStringLiteral("Hint %1").arg(i + 1), QStringLiteral("Zebra Quokka")});
        auto text = [&](SheetLayout::Kind kind) {
            const QString pdf = dir.filePath("sheet.pdf");
            if (!SheetPrinter::writePdf(pdf, kind, set).ok)
                return QString();
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            p.waitForFinished();
            return QString::fromUtf8(p.readAllStandardOutput()).simplified();
        };
        const QString key = text(SheetLayout::Kind::AnswerKey);
        QVERIFY2(key.startsWith(QStringLiteral("Beasts Ms Reed For class lorem")), qPrintable(key.left(200)));
        QCOMPARE(key.count(QStringLiteral("lorem")), 2997);
        QVERIFY(key.contains(QStringLiteral("lorem last words.")));
        QVERIFY(key.contains(QStringLiteral("101. Hint 101 Zebra Quokka")));
        const int pages = int(key.count(QStringLiteral("Page ")));
        QVERIFY(pages > 1 && key.contains(QStringLiteral("Page %1 of %1").arg(pages)));
        const QString sheet = text(SheetLayout::Kind::Worksheet);
        QVERIFY2(sheet.contains(QStringLiteral("1. Hint 1 ----- ------ 2. Hint 2")),
                 qPrintable(sheet.left(200)));
        QVERIFY(sheet.contains(QStringLiteral("101. Hint 101")) && !sheet.contains(u'Z') &&
                !sheet.contains(u'Q'));
    }
};

QTEST_MAIN(TestEditorMenus)
#include "test_editor_menus.moc"
