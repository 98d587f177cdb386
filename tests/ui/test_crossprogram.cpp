// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The two programs meet only through the game set file: a set saved by the editor must be
// read by the game's loader into the same title, author, information, date and pairs.
#include "GameSetFile.h"
#include "KazCreateMod.h"
#include "LimitedTextBox.h"
#include "ScriptedUi.h"
#include "frmCreate.h"

#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace KazCreateMod;

class TestCrossProgram : public QObject {
    Q_OBJECT
private slots:
    // Pairs entered through the add dialog, saved by the editor, come back whole in the game.
    void editorSaveIsReadByTheGame() {
        QTemporaryDir dir;
        ScriptedUi ui;
        FixedClock clock;
        clock.day = QDate(2024, 7, 9);
        EditorServices services{ui, clock, dir.path()};
        clearSetEntries();
        frmCreate form(services);
        auto button = [&form](const char* name) { return form.findChild<QPushButton*>(name); };

        const QList<PuzzleEntry> typed = {
            {QStringLiteral("It's 4 U!"), QStringLiteral("Big Dog")},
            {QStringLiteral("Caf\u00e9 food"),
             QStringLiteral("Twenty five letters here and then some more words")},
            {QStringLiteral("Comma, inside"), QStringLiteral("Lion")}};
        for (const PuzzleEntry& e : typed) {
            ui.modalHandlers.enqueue([&](QDialog& d) {
                d.findChild<LimitedPlainTextEdit*>("Text1")->setPlainText(e.Clue);
                d.findChild<LimitedPlainTextEdit*>("Text2")->setPlainText(e.Puzzle);
                d.findChild<QPushButton*>("Command1")->click();
            });
            button("Command3")->click();
        }
        QCOMPARE(pairCount(), 3);
        const PuzzleTable stored = SetEntries;
        form.findChild<LimitedLineEdit*>("Text1")->setText(QStringLiteral("Ren\u00e9e, \"the\" author"));
        form.findChild<LimitedLineEdit*>("Text2")->setText(QStringLiteral("Mixed bag"));
        form.findChild<LimitedPlainTextEdit*>("Text3")->setPlainText(
            QStringLiteral("Made for\nfriends, with \u20ac"));

        const QString path = dir.filePath(QStringLiteral("cross.kazset"));
        ui.fileAnswers.enqueue(path);
        button("Command1")->click();
        QVERIFY(ui.messages().isEmpty());

        const GameSetReadResult r = GameSetFile::readFile(path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.value.title, QStringLiteral("Mixed bag"));
        // A double quote cannot be stored in the format; the writer turns it into an apostrophe.
        QCOMPARE(r.value.author, QStringLiteral("Ren\u00e9e, 'the' author"));
        QCOMPARE(r.value.info, QStringLiteral("Made forfriends, with \u20ac"));
        QCOMPARE(r.value.date, QDate(2024, 7, 9));
        QCOMPARE(r.value.pairs.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(r.value.pairs[i].Clue, stored[i].Clue);
            QCOMPARE(r.value.pairs[i].Puzzle, stored[i].Puzzle);
        }
        QCOMPARE(r.value.pairs[1].Clue, QStringLiteral("Caf  food"));
    }
};

QTEST_MAIN(TestCrossProgram)
#include "test_crossprogram.moc"
