// Word lists in and out, without a window: which records of a CSV, TSV or KVTML file join the
// set and why the others are refused, what refuses a whole file, and that exported pairs
// import again as the same pairs.
#include "ImportRules.h"
#include "TestFiles.h"
#include "WordList.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ImportRules;

namespace {
QByteArray kvtml(const QByteArray& entries, const QByteArray& info = "<title>T</title>") {
    return "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"><information>" + info +
           "</information><entries>" + entries + "</entries></kvtml>\n";
}
QByteArray entry(const QByteArray& t0, const QByteArray& t1 = {}) {
    return "<entry><translation id=\"0\">" + t0 + "</translation>" +
           (t1.isEmpty() ? QByteArray() : "<translation id=\"1\">" + t1 + "</translation>") + "</entry>";
}
QStringList shown(const Outcome& o) {
    QStringList out;
    for (const PuzzleEntry& p : o.added)
        out << p.Clue + u'|' + p.Puzzle;
    for (const Refusal& r : o.refused)
        out << QString::number(r.line) + u':' + r.reason;
    return out;
}
} // namespace

class TestWordList : public QObject {
    Q_OBJECT
private slots:
    // Each file gives the pairs stored (clue|puzzle, in order), then the refused lines
    // (line:reason); a file refused whole gives its reason's start instead.
    void importRules_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("held");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("error");
        const QString none;
        QTest::newRow("csv") << "a.csv"
                             << QByteArray(
                                    "\xEF\xBB\xBF"
                                    "CLUE;puzzle\r\nBig cat,Lion\r\n\r\n\"Say \"\"hi\"\"\",\"Hel\nlo\"\n"
                                    "Only a clue\nx,y,,\nx,y,z\n")
                             << 0
                             << QStringList{"Big cat|Lion", "Say  hi|Hello", "x|y",
                                            "6:there is no puzzle after the clue",
                                            "8:there are more than two fields"}
                             << none;
        QTest::newRow("checks") << "b.tsv"
                                << QByteArray("Caf\xE9\tBrew\r0123\tx\rThirty one characters of clue!!\tx\r"
                                              "c\tabcdefghijklmnopqrstuvwxyz\nc\t" +
                                              QByteArray(76, 'p') +
                                              "\nStra\xC3\x9F"
                                              "e\tRoad\n")
                                << 0
                                << QStringList{"1:" + Reasons::foreignLetter("\u00e9"),
                                               "2:" + Reasons::Empty,
                                               "3:" + Reasons::ClueTooLong,
                                               "4:" + Reasons::BadSpacing,
                                               "5:" + Reasons::PuzzleTooLong,
                                               "6:" + Reasons::foreignLetter("\u00c3")}
                                << none; // not UTF-8 as a whole, so Windows-1252: "ß" is read as "Ã\u0178"
        QTest::newRow("full") << "c.txt" << QByteArray("a\tb\nc\td\n") << 100
                              << QStringList{"a|b", "2:" + Reasons::SetFull} << none;
        QTest::newRow("kvtml") << "d.kvtml"
                               << kvtml(entry("<text>apple</text><comment>A red fruit</comment>") +
                                        entry("<text>pear</text><comment/>", "<text>Birne</text>") +
                                        entry("<text>plum</text>") +
                                        entry("<text>\xC3\xA9t\xC3\xA9</text><comment>Summer</comment>"))
                               << 0
                               << QStringList{"A red fruit|apple", "Birne|pear", "3:" + Reasons::Empty,
                                              "4:" + Reasons::foreignLetter("\u00e9")}
                               << none;
        QTest::newRow("bad xml") << "e.kvtml" << kvtml(entry("<text>a</text><comment>b</comment>")).chopped(3)
                                 << 0 << QStringList{} << "it is not valid XML";
        QTest::newRow("not kvtml") << "f.kvtml" << QByteArray("<html/>") << 0 << QStringList{}
                                   << "it is not a KVTML word list";
        QTest::newRow("nul") << "g.csv" << QByteArray("a,b\0", 4) << 0 << QStringList{}
                             << "it holds a NUL byte";
        QTest::newRow("open quote") << "h.csv" << QByteArray("a,b\nc,\"d\n") << 0 << QStringList{}
                                    << "line 2: a quoted field is never closed";
        QTest::newRow("header only") << "i.csv" << QByteArray("Clue,Puzzle\r\n") << 0 << QStringList{}
                                     << none;
    }
    void importRules() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, held);
        QFETCH(QStringList, expected);
        QFETCH(QString, error);
        const auto list = WordList::parse(bytes, WordList::formatFor(name, bytes));
        QCOMPARE(list.ok ? QString() : list.error.left(error.size()), error);
        if (list.ok)
            QCOMPARE(shown(apply(list.value.records, held)), expected);
    }

    // A set's pairs exported as CSV and imported into an empty set are the same pairs; the file
    // is UTF-8 with the header and CRLF ends, written through the file layer.
    void exportedPairsImportAgain() {
        const QList<PuzzleEntry> pairs{{"Big cat", "Lion"}, {"Sea", "Pacific   Ocean"}, {"x", "y"}};
        QTemporaryDir dir;
        const QString path = dir.filePath("pairs.csv");
        QVERIFY(WordList::writeCsvFile(path, pairs).ok);
        QCOMPARE(TestFiles::readAll(path),
                 QByteArray("Clue,Puzzle\r\nBig cat,Lion\r\nSea,Pacific   Ocean\r\nx,y\r\n"));
        const auto back = WordList::readFile(path);
        QVERIFY(back.ok);
        const Outcome o = apply(back.value.records, 0);
        QVERIFY(o.refused.isEmpty());
        QCOMPARE(o.added.size(), pairs.size());
        for (qsizetype i = 0; i < pairs.size(); ++i)
            QCOMPARE(o.added[i].Clue + u'|' + o.added[i].Puzzle, pairs[i].Clue + u'|' + pairs[i].Puzzle);
        // Quoting holds whatever a field carries.
        const QList<PuzzleEntry> odd{{"a,\"b\"", " c\r\nd "}};
        const auto parsed = WordList::parse(WordList::writeCsv(odd), WordList::Format::Csv);
        QCOMPARE(parsed.value.records.value(0).clue, odd[0].Clue);
        QCOMPARE(parsed.value.records.value(0).puzzle, QStringLiteral(" cd "));
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "test_wordlist.moc"
