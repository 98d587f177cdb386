// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The .kazset format: what the writer produces byte for byte, what the reader accepts, and
// every way a damaged file is refused with a reason that names its line.
#include "AnsiText.h"
#include "GameSetFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
GameSet animals() {
    GameSet s;
    s.title = QStringLiteral("Animals");
    s.author = QStringLiteral("None Given");
    s.date = QDate(2001, 2, 25);
    s.info = QStringLiteral("No information given");
    s.pairs = {{QStringLiteral("It barks at the mailman"), QStringLiteral("Big Dog")},
               {QStringLiteral("King of the jungle"), QStringLiteral("Lion")}};
    return s;
}

const QByteArray AnimalsBytes =
    "\"Animals\"\r\n\"None Given\"\r\n#2001-02-25#\r\n\"No information given\"\r\n2\r\n"
    "\"It barks at the mailman\"\r\n\"Big Dog\"\r\n\"King of the jungle\"\r\n\"Lion\"\r\n";
} // namespace

class TestGameSetFile : public QObject {
    Q_OBJECT
private slots:
    // The worked example, written byte for byte and read back into the same fields.
    void writesAndReadsTheWorkedExample() {
        QCOMPARE(GameSetFile::write(animals()), AnimalsBytes);
        const auto r = GameSetFile::read(AnimalsBytes);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.value.title, QStringLiteral("Animals"));
        QCOMPARE(r.value.author, QStringLiteral("None Given"));
        QCOMPARE(r.value.date, QDate(2001, 2, 25));
        QCOMPARE(r.value.info, QStringLiteral("No information given"));
        QCOMPARE(r.value.pairs.size(), 2);
        QCOMPARE(r.value.pairs[1].Clue, QStringLiteral("King of the jungle"));
        QCOMPARE(r.value.pairs[1].Puzzle, QStringLiteral("Lion"));
    }

    // LF-only files, comma-separated values, a comma inside quotes, blanks before fields and
    // anything after the last puzzle all read as the canonical file does.
    void readsEveryAcceptedLayout() {
        QByteArray lf = AnimalsBytes;
        lf.replace("\r\n", "\n");
        QByteArray commas = "\"Animals\",\"None Given\",#2001-02-25#,\"No information given\",2,"
                            "\"It barks at the mailman\",\"Big Dog\",  \"King of the jungle\",\"Lion\"";
        QByteArray trailing = AnimalsBytes + "\"junk\"\r\n99\r\nwhatever";
        for (const QByteArray& bytes : {lf, commas, trailing}) {
            const auto r = GameSetFile::read(bytes);
            QVERIFY2(r.ok, qPrintable(r.error));
            QCOMPARE(GameSetFile::write(r.value), AnimalsBytes);
        }
        const auto comma =
            GameSetFile::read("\"A, B\"\r\n  \"x\"\r\n#2020-01-02#\r\n\"i, j\"\r\n1\r\n\"c,1\"\r\n\"p\"\r\n");
        QVERIFY2(comma.ok, qPrintable(comma.error));
        QCOMPARE(comma.value.title, QStringLiteral("A, B"));
        QCOMPARE(comma.value.info, QStringLiteral("i, j"));
        QCOMPARE(comma.value.pairs[0].Clue, QStringLiteral("c,1"));

        // A text editor's UTF-8 byte-order mark makes the file UTF-8.
        const QByteArray utf8 =
            "\xEF\xBB\xBF" + QByteArray(AnimalsBytes).replace("Animals", "\xC3\x89l\xC3\xA9phants");
        QCOMPARE(GameSetFile::read(utf8).value.title, QStringLiteral("\u00c9l\u00e9phants"));
    }

    // 101 pairs and Windows-1252 text survive a round trip through a real file.
    void roundTripsAFullSetThroughAFile() {
        GameSet s = animals();
        s.title = QStringLiteral("Caf\u00e9 \u20ac");
        s.pairs.clear();
        for (int i = 0; i < 101; ++i)
            s.pairs.append({QStringLiteral("Clue %1").arg(i), QStringLiteral("Puzzle number %1").arg(i)});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("full.kazset"));
        QVERIFY(GameSetFile::writeFile(path, s).ok);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("\"Caf\xe9 \x80\"\r\n"));
        const auto r = GameSetFile::readFile(path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.value.title, s.title);
        QCOMPARE(r.value.pairs.size(), 101);
        QCOMPARE(r.value.pairs[100].Puzzle, QStringLiteral("Puzzle number 100"));
    }

    // The writer never produces a value that would break the file.
    void writerKeepsValuesReadable() {
        GameSet s = animals();
        s.author = QStringLiteral("Bob \"the\" Builder");
        s.info = QStringLiteral("line one\r\nline two\n");
        s.title = QStringLiteral("\u4e2d");
        const auto r = GameSetFile::read(GameSetFile::write(s));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.value.author, QStringLiteral("Bob 'the' Builder"));
        QCOMPARE(r.value.info, QStringLiteral("line oneline two"));
        QCOMPARE(r.value.title, QStringLiteral("?"));
        QCOMPARE(r.value.pairs.size(), 2);
    }

    void refusesDamagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray head = "\"T\"\r\n\"A\"\r\n#2001-02-25#\r\n\"I\"\r\n";
        QTest::newRow("empty") << QByteArray() << "line 1: the file ends where the title was expected";
        QTest::newRow("bad date") << QByteArray(
                                         "\"T\"\r\n\"A\"\r\n2001-02-25\r\n\"I\"\r\n1\r\n\"c\"\r\n\"p\"\r\n")
                                  << "line 3: a date like #2001-02-25# was expected";
        QTest::newRow("impossible date")
            << QByteArray("\"T\"\r\n\"A\"\r\n#2001-02-30#\r\n\"I\"\r\n1\r\n\"c\"\r\n\"p\"\r\n")
            << "line 3: a date like #2001-02-25# was expected";
        QTest::newRow("count 0") << head + "0\r\n"
                                 << "line 5: a number of puzzles from 1 to 101 was expected";
        QTest::newRow("count 102") << head + "102\r\n"
                                   << "line 5: a number of puzzles from 1 to 101 was expected";
        QTest::newRow("count negative") << head + "-3\r\n"
                                        << "line 5: a number of puzzles from 1 to 101 was expected";
        QTest::newRow("count text") << head + "two\r\n"
                                    << "line 5: a number of puzzles from 1 to 101 was expected";
        QTest::newRow("ends early") << head + "2\r\n\"c\"\r\n\"p\"\r\n\"c2\"\r\n"
                                    << "line 9: the file ends where puzzle 2 was expected";
        QTest::newRow("no closing quote") << head + "1\r\n\"c\r\n\"p\r\n"
                                          << "line 6: clue 1 has no closing double quote";
        QTest::newRow("open title") << QByteArray("\"Title")
                                    << "line 1: the title has no closing double quote";
    }

    void refusesDamagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const auto r = GameSetFile::read(bytes);
        QVERIFY(!r.ok);
        QCOMPARE(r.error, error);
    }

    // Files that cannot be read at all are refused before any parsing.
    void refusesMissingAndOversizedFiles() {
        QTemporaryDir dir;
        QVERIFY(!GameSetFile::readFile(dir.filePath(QStringLiteral("nope.kazset"))).ok);
        QVERIFY(!GameSetFile::readFile(QString()).ok);
        QFile big(dir.filePath(QStringLiteral("big.kazset")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(AnimalsBytes);
        big.write(QByteArray(GameSetFile::MaxFileBytes, ' '));
        big.close();
        const auto r = GameSetFile::readFile(big.fileName());
        QVERIFY(!r.ok);
        QCOMPARE(r.error, QStringLiteral("the file is larger than 1 MiB"));
    }

    // A failed write leaves the old file as it was.
    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.kazset"));
        QVERIFY(GameSetFile::writeFile(path, animals()).ok);
        const FileResult<> failed =
            GameSetFile::writeFile(dir.filePath(QStringLiteral("missing/sub/x.kazset")), animals());
        QCOMPARE(failed.error, QStringLiteral("No such file or directory"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), AnimalsBytes);
    }
};

QTEST_GUILESS_MAIN(TestGameSetFile)
#include "test_gamesetfile.moc"
