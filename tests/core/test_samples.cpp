// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The files we ship beside the programs: every set loads and would pass the editor, and every help file has a
// topic for each context number the programs ask for.
#include "GameSetFile.h"
#include "KazCreateMod.h"
#include "TestPaths.h"

#include <QDir>
#include <QSet>
#include <QtTest>

class TestSamples : public QObject {
    Q_OBJECT
private slots:
    // Every set we ship loads through the game's reader, byte for byte as our writer would
    // write it, and every pair would pass Add a Clue as it stands. The library's sets hold 50 to
    // 101 pairs each, with no puzzle twice in one set, and 1,000 different puzzles between them.
    void shippedSetsLoadAndPassAddAClue() {
        const QDir dir(TestPaths::source(QStringLiteral("sets")));
        const QStringList files = dir.entryList({QStringLiteral("*.kazset")}, QDir::Files);
        int librarySets = 0;
        QSet<QString> puzzles;
        for (const QString& name : files) {
            const auto r = GameSetFile::readFile(dir.filePath(name));
            QVERIFY2(r.ok, qPrintable(name + QStringLiteral(": ") + r.error));
            QCOMPARE(r.value.author, QStringLiteral("Kazoola Team"));
            QSet<QString> inSet;
            for (const PuzzleEntry& e : r.value.pairs) {
                const QString pair = name + u' ' + e.Clue + u'|' + e.Puzzle;
                QVERIFY2(KazCreateMod::BlankNonLetters(e.Clue) == e.Clue && !e.Clue.contains(QStringLiteral("  ")) &&
                             e.Clue.size() <= KazCreateMod::ClueMaxLength,
                         qPrintable(pair));
                QVERIFY2(KazCreateMod::BlankNonLetters(e.Puzzle) == e.Puzzle &&
                             !e.Puzzle.contains(QStringLiteral("  ")) &&
                             e.Puzzle.size() <= KazCreateMod::PuzzleMaxLength &&
                             KazCreateMod::hasProperSpacing(e.Puzzle) && !KazCreateMod::isEntryEmpty(e.Clue, e.Puzzle),
                         qPrintable(pair));
                QVERIFY2(!inSet.contains(e.Puzzle.toUpper()), qPrintable(pair + QStringLiteral(" repeats")));
                inSet.insert(e.Puzzle.toUpper());
            }
            puzzles += inSet;
            librarySets += r.value.pairs.size() >= 50 ? 1 : 0;
            // What we ship is exactly what our writer would write for it.
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), GameSetFile::write(r.value));
        }
        QVERIFY2(librarySets >= 25 && puzzles.size() >= 1000,
                 qPrintable(QStringLiteral("%1 sets of 50 pairs or more, %2 different puzzles")
                                .arg(librarySets)
                                .arg(puzzles.size())));
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
