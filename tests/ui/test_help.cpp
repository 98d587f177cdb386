// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// F1 and the help buttons: each window opens its own topic of its own program's help file,
// an open menu opens the menu's topic, and closing the main window closes the help.
#include "ContextIDs.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "GameDoubles.h"
#include "HelpViewer.h"
#include "ProgramFolder.h"
#include "ScriptedUi.h"
#include "TestFiles.h"
#include "TestPaths.h"
#include "TestWidgets.h"
#include "frmAdd.h"
#include "frmCreate.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {
// A program folder holding a copy of the shipped help file.
struct Folder {
    QTemporaryDir dir;
    explicit Folder(const QString& helpSource) {
        QFile::copy(TestPaths::source(helpSource), dir.filePath(QFileInfo(helpSource).fileName()));
    }
    QString path() const { return ProgramFolder::withSeparator(dir.path()); }
};

void pressF1(QWidget* w) {
    QTest::keyClick(w, Qt::Key_F1);
}
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    // Each program's help file in a folder, with exactly one separator between them.
    void helpFileBesideTheProgram() {
        QCOMPARE(ContextIDs::helpFileFor(QStringLiteral("KAZ"), QStringLiteral("C:\\")),
                 QStringLiteral("C:\\Kaz.HLP"));
        QCOMPARE(ContextIDs::helpFileFor(QStringLiteral("KAZ"), QStringLiteral("/opt/kaz")),
                 QStringLiteral("/opt/kaz/Kaz.HLP"));
        QCOMPARE(ContextIDs::helpFileFor(QStringLiteral("kaz"), QStringLiteral("/opt/")),
                 QStringLiteral("/opt/KazCreate.HLP"));
        QCOMPARE(ContextIDs::helpFileFor(QStringLiteral("KazCreate"), QStringLiteral("/x")),
                 QStringLiteral("/x/KazCreate.HLP"));
    }

    void gameWindowsOpenTheirTopics() {
        Folder folder(QStringLiteral("game/Kaz.HLP"));
        NullServices nulls;
        const GameServices services = nulls.services(folder.path());
        auto form = std::make_unique<Form1>(services);
        QMenu* mnuFile = find<QMenu>(*form, QStringLiteral("mnuFile"));
        QCOMPARE(ContextIDs::helpFile(), folder.path() + QStringLiteral("Kaz.HLP"));
        form->show(); // shown, so that the Help item's F1 shortcut could take the key
        QVERIFY(QTest::qWaitForWindowActive(form.get()));

        pressF1(form.get());
        QVERIFY(ContextIDs::viewer());
        QVERIFY(ContextIDs::viewer()->fileFound());
        QCOMPARE(ContextIDs::viewer()->currentAnchor(), QStringLiteral("10"));

        mnuFile->popup(QPoint(0, 0));
        QTRY_VERIFY(QApplication::activePopupWidget() == mnuFile);
        pressF1(mnuFile);
        QCOMPARE(ContextIDs::viewer()->currentAnchor(), QStringLiteral("210"));
        mnuFile->close();

        Form3 scores(services, form.get());
        pressF1(&scores);
        QCOMPARE(ContextIDs::viewer()->currentAnchor(), QStringLiteral("240"));
        Form2 info(form->gameState(), form.get());
        pressF1(&info);
        QCOMPARE(ContextIDs::viewer()->currentAnchor(), QStringLiteral("230"));

        // The help goes with the main window.
        form->close();
        QVERIFY(!ContextIDs::viewer());
    }

    void editorWindowsOpenTheirTopics() {
        Folder folder(QStringLiteral("editor/KazCreate.HLP"));
        ScriptedUi ui;
        FixedClock clock;
        frmCreate create(EditorServices{ui, clock, folder.path()});
        QCOMPARE(ContextIDs::helpFile(), folder.path() + QStringLiteral("KazCreate.HLP"));
        create.show(); // where the Help command's own key (F1 too) could take the key first
        QApplication::setActiveWindow(&create);
        pressF1(&create);
        QCOMPARE(ContextIDs::viewer()->currentAnchor(), QStringLiteral("10"));
        frmAdd add(create, ui);
        pressF1(&add);
        QCOMPARE(ContextIDs::viewer()->helpFile(), folder.path() + QStringLiteral("KazCreate.HLP"));
        QCOMPARE(ContextIDs::viewer()->currentAnchor(), QStringLiteral("20"));
        ContextIDs::QuitHelp();
        QVERIFY(!ContextIDs::viewer());
    }

    // A missing or damaged help file is reported in the viewer itself, at once; the program
    // goes on.
    void badHelpFileIsReportedInTheViewer_data() {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray()
                                 << "the file could not be opened (No such file or directory)";
        QTest::newRow("5,000 nested tables")
            << QByteArray("<table><tr><td>x").repeated(5000) << "its tables are nested more than 6 deep";
    }
    void badHelpFileIsReportedInTheViewer() {
        QFETCH(QByteArray, html);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        if (!html.isEmpty())
            QVERIFY(TestFiles::writeBytes(folder.filePath("Kaz.HLP"), html));
        QWidget owner;
        ContextIDs::StartHelp(&owner, QStringLiteral("KAZ"), folder.path());
        QElapsedTimer clock;
        clock.start();
        pressF1(&owner);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!ContextIDs::viewer()->fileFound());
        QCOMPARE(ContextIDs::viewer()->browser()->toPlainText(),
                 "The help file could not be opened:\n" + folder.filePath("Kaz.HLP") + "\n\n" + reason);
        ContextIDs::QuitHelp();
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
