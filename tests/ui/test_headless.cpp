// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// KazCreate's commands without a window: an output that is its own input, by any name, is
// refused and the input kept; an imported set is saved as the window saves untouched boxes.
#include "GameSetFile.h"
#include "HeadlessCommands.h"
#include "TestFiles.h"

#include <QtTest>

#include <unistd.h>

class TestHeadless : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
private slots:
    // Fresh files before each row: a list, a set made of it, a symbolic and a hard link to the set.
    void init() {
        for (const QString name : {"S.kazset", "link.csv", "hard.pdf"})
            QFile::remove(path(name));
        QVERIFY(TestFiles::writeBytes(path("L.csv"), "Big cat,Lion\n"));
        QCOMPARE(
            HeadlessCommands::run({"KazCreate", "--import", path("L.csv"), "--output", path("S.kazset")}), 0);
        QVERIFY(QFile::link(path("S.kazset"), path("link.csv")));
        QCOMPARE(::link(QFile::encodeName(path("S.kazset")).constData(),
                        QFile::encodeName(path("hard.pdf")).constData()),
                 0);
    }

    // Each command whose output names its input exits 1 and leaves the input byte for byte.
    void outputIsInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("input");
        QTest::newRow("export to itself")
            << QStringList{"--export-csv", "S.kazset", "S.kazset"} << "S.kazset";
        QTest::newRow("export through a link")
            << QStringList{"--export-csv", "S.kazset", "link.csv"} << "S.kazset";
        QTest::newRow("pdf to a hard link")
            << QStringList{"--pdf", "key", "S.kazset", "hard.pdf"} << "S.kazset";
        QTest::newRow("import to itself")
            << QStringList{"--output", "./L.csv", "--import", "L.csv"} << "L.csv";
    }
    void outputIsInput() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        for (QString& a : arguments)
            if (a.contains(u'.'))
                a = path(a);
        const QByteArray before = TestFiles::readAll(path(input));
        QCOMPARE(HeadlessCommands::run(QStringList{"KazCreate"} + arguments), 1);
        QCOMPARE(TestFiles::readAll(path(input)), before);
    }

    // A list without author or information gets what Save writes for untouched boxes.
    void importedSetIsSavedAsTheWindowSaves() {
        const auto set = GameSetFile::readFile(path("S.kazset"));
        QVERIFY(set.ok);
        QCOMPARE(QStringList({set.value.title, set.value.author, set.value.info}),
                 QStringList({"L", "None Given", "No information given"}));
    }
};

QTEST_MAIN(TestHeadless)
#include "test_headless.moc"
