// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The files we ship beside the programs: every set loads and would pass the editor, and every help file has a
// topic for each context number the programs ask for.
#include "GameSetFile.h"
#include "KazCreateMod.h"
#include "TestPaths.h"

#include <QDir>
#include <QRegularExpression>
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

    // Every help file, in every language, has the contents and a topic for each context number
    // the programs ask for, and a translation keeps every anchor of the English file.
    void helpFilesHaveEveryTopic() {
        static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\">"));
        auto anchors = [](const QString& file) {
            QFile f(file);
            QSet<QString> names;
            if (f.open(QIODevice::ReadOnly))
                for (const auto& m : anchor.globalMatch(QString::fromUtf8(f.readAll())))
                    names.insert(m.captured(1));
            return names;
        };
        const QDir help(TestPaths::source(QStringLiteral("translations/help")));
        for (const auto& [english, topics] : {std::pair{QStringLiteral("game/Kaz.HLP"), QList<int>{10, 210, 220, 230, 240}},
                                               std::pair{QStringLiteral("editor/KazCreate.HLP"), QList<int>{10, 20}}}) {
            const QSet<QString> names = anchors(TestPaths::source(english));
            QVERIFY2(names.contains(QStringLiteral("contents")), qPrintable(english));
            for (int id : topics)
                QVERIFY2(names.contains(QString::number(id)), qPrintable(english + QString::number(id)));
            const QString base = QFileInfo(english).completeBaseName();
            for (const QString& translated : help.entryList({base + QStringLiteral("_*.HLP")}, QDir::Files))
                QVERIFY2(anchors(help.filePath(translated)) == names, qPrintable(translated));
        }
    }
};

QTEST_GUILESS_MAIN(TestSamples)
#include "test_samples.moc"
