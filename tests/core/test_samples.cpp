// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The files we ship beside the programs: every sample set loads, and every help file has a
// topic for each context number the programs ask for.
#include "GameSetFile.h"
#include "TestPaths.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

class TestSamples : public QObject {
    Q_OBJECT
private slots:
    void sampleSetsLoadWithLettersAndBlanksOnly() {
        const QDir dir(TestPaths::source(QStringLiteral("sets")));
        const QStringList files = dir.entryList({QStringLiteral("*.kazset")}, QDir::Files);
        QVERIFY(files.size() >= 3);
        static const QRegularExpression clean(QStringLiteral("^[A-Za-z]+( [A-Za-z]+)*$"));
        bool sawFullSet = false;
        for (const QString& name : files) {
            const auto r = GameSetFile::readFile(dir.filePath(name));
            QVERIFY2(r.ok, qPrintable(name + QStringLiteral(": ") + r.error));
            sawFullSet = sawFullSet || r.value.pairs.size() == 101;
            for (const PuzzleEntry& e : r.value.pairs) {
                QVERIFY2(clean.match(e.Clue).hasMatch() && e.Clue.size() <= 30, qPrintable(name + e.Clue));
                QVERIFY2(clean.match(e.Puzzle).hasMatch() && e.Puzzle.size() <= 75,
                         qPrintable(name + e.Puzzle));
            }
            // What we ship is exactly what our writer would write for it.
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), GameSetFile::write(r.value));
        }
        QVERIFY(sawFullSet);
    }

    void helpFilesHaveEveryTopic() {
        const QList<QPair<QString, QList<int>>> files = {
            {QStringLiteral("game/Kaz.HLP"), {10, 210, 220, 230, 240}},
            {QStringLiteral("editor/KazCreate.HLP"), {10, 20}},
        };
        for (const auto& [file, topics] : files) {
            QFile f(TestPaths::source(file));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(file));
            const QString html = QString::fromUtf8(f.readAll());
            QVERIFY(html.contains(QStringLiteral("<a name=\"contents\">")));
            for (int id : topics)
                QVERIFY2(html.contains(QStringLiteral("<a name=\"%1\">").arg(id)),
                         qPrintable(file + QString::number(id)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSamples)
#include "test_samples.moc"
