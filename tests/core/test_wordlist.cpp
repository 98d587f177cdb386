// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

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
const QByteArray ExternalDtd =
    "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n";
QByteArray kvtml(const QByteArray& entries, const QByteArray& info = "<title>T</title>",
                 const QByteArray& doctype = ExternalDtd) {
    return "<?xml version=\"1.0\"?>\n" + doctype + "<kvtml version=\"2.0\"><information>" + info +
           "</information><entries>" + entries + "</entries></kvtml>\n";
}
QByteArray entry(int id, const QByteArray& t0, const QByteArray& t1 = {}) {
    return "<entry id=\"" + QByteArray::number(id) + "\"><translation id=\"0\">" + t0 + "</translation>" +
           (t1.isEmpty() ? QByteArray() : "<translation id=\"1\">" + t1 + "</translation>") + "</entry>";
}
QByteArray utf16(const QString& text, bool le) {
    return QStringEncoder(le ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                          QStringEncoder::Flag::WriteBom)(text);
}
} // namespace

class TestWordList : public QObject {
    Q_OBJECT
private slots:
    // Each file gives the pairs stored (clue|puzzle, in order) and the import's whole report
    // (lines joined by LF here); a file refused whole gives no pairs and its reason.
    void importRules_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("held");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QString>("report");
        const QString digit = ": the clue holds a digit, which the board cannot show\n";
        QTest::newRow("csv")
            << "a.csv"
            << QByteArray("\xEF\xBB\xBF\r\n Question , ANSWER \r\nBig cat,Lion\r\n\r\n"
                          "\"Say \"\"hi\"\"\",\"Hel\nlo\"\nOnly a clue\nx,y,,\nx,y,z\n")
            << 0 << QStringList{"Big cat|Lion", "Say  hi|Hello", "x|y"}
            << "3 pairs were added.\n2 lines were refused:\nline 7: there is no puzzle after the "
               "clue\nline 9: there are more than two fields\n1 line was changed:\nline 5: "
               "punctuation became blanks";
        QTest::newRow("checks")
            << "b.tsv"
            << QByteArray("Caf\xE9\tBrew\r0123\tx\rThirty one characters of clue!!\tx\r"
                          "c\tabcdefghijklmnopqrstuvwxyz\nc\t" +
                          QByteArray(76, 'p') +
                          "\nStra\xC3\x9F"
                          "e\tRoad\n")
            // not UTF-8 as a whole, so Windows-1252: "ß" is read as "Ã\u0178"
            << 0 << QStringList{}
            << "No pairs were added.\n6 lines were refused:\nline 1: \"\u00e9\" is a letter the "
               "game cannot show\nline 2" +
                   digit + "line 3: " + Reasons::ClueTooLong() + "\nline 4: " + Reasons::BadSpacing() +
                   "\nline 5: " + Reasons::PuzzleTooLong() +
                   "\nline 6: \"\u00c3\" is a letter the game cannot show";
        QTest::newRow("digits, punctuation, invisible characters")
            << "c.csv"
            << QByteArray("Clue 1,Puzzle\n4th of July,Holiday\nDroid,R2D2\nIt's,Tea-time\nele\xC2\xAD"
                          "phant,"
                          "ze\xE2\x80\x8B"
                          "bra\nCity,NEW\xC2\xA0YORK\n")
            << 0 << QStringList{"It s|Tea time", "elephant|zebra", "City|NEW YORK"}
            << "3 pairs were added.\n3 lines were refused:\nline 1" + digit + "line 2" + digit +
                   "line 3: the puzzle holds a digit, which the board cannot show\n1 line was changed:\nline "
                   "4: "
                   "punctuation became blanks";
        QTest::newRow("utf-16")
            << "e.txt" << utf16("Term\tDefinition\r\nBig cat\tLion\r\nCaf\u00e9\tx", true) << 0
            << QStringList{"Lion|Big cat"} // a term is the puzzle, its definition the clue
            << "1 pair was added.\n1 line was refused:\nline 3: \"\u00e9\" is a letter the game "
               "cannot show";
        QTest::newRow("anki, html")
            << "p.txt"
            << QByteArray("#separator:tab\n#html:true\n#columns:Front\tBack\tTags\n#tags column:3\n"
                          "The &quot;king&quot; of beasts\t<b>lion</b>\tzoo\nBig<br>cat\tTi&#103;er\t\n"
                          "<div>x</div>y\t&bogus;\t\n")
            << 0 << QStringList{"The  king  of beasts|lion", "Big cat|Tiger"}
            << "2 pairs were added.\n1 line was refused:\nline 7: the entity &bogus; is not one HTML "
               "knows\n1 line was changed:\nline 5: punctuation became blanks";
        QTest::newRow("anki, back first")
            << "q.txt" << QByteArray("#separator:Semicolon\n#columns:Back;Front\nlion;Big cat\n") << 0
            << QStringList{"Big cat|lion"} << "1 pair was added.";
        QTest::newRow("semicolons, answer first")
            << "r.csv" << QByteArray("Answer;Question\r\nLion;Big cat\r\nSea;\"Salt, water\"\r\n") << 0
            << QStringList{"Big cat|Lion", "Salt  water|Sea"}
            << "2 pairs were added.\n1 line was changed:\nline 3: punctuation became blanks";
        QTest::newRow("full")
            << "f.txt" << QByteArray("a\tb\nc\td\n") << 100 << QStringList{"a|b"}
            << "1 pair was added.\n1 line was refused:\nline 2: the set is full (101 pairs)";
        QTest::newRow("kvtml")
            << "g.kvtml"
            << kvtml(entry(0, "<text>apple</text><comment>A red <b>fruit</b></comment>") +
                         entry(1, "<text>pear</text><comment/>", "<text>Birne</text>") +
                         entry(2, "<text>plum</text>") +
                         entry(3, "<text>\xC3\xA9t\xC3\xA9</text><comment>Summer</comment>") +
                         entry(4, "<text>CAF&eacute; AU LAIT</text><comment>Drink</comment>") +
                         entry(5, "<text>NEW&nbsp;YORK</text><comment>City&rsquo;s</comment>") +
                         entry(6, "<text>x</text><comment>&foo;</comment>", "<text>y</text>"),
                     "<title>" + QByteArray(300, 't') + "</title><comment>&bar; info</comment>")
            << 0 << QStringList{"A red fruit|apple", "Birne|pear", "City s|NEW YORK"}
            << "3 pairs were added.\n4 entries were refused:\nentry 2: an entry is empty\nentry 3: "
               "\"\u00e9\" is a "
               "letter the game cannot show\nentry 4: \"\u00e9\" is a letter the game cannot show\nentry 6: "
               "the "
               "entity &foo; is not defined in the file\n1 entry was changed:\nentry 5: punctuation became "
               "blanks\nThe title was cut to 255 characters.";
        const QByteArray deep =
            "<text>" + QByteArray("<b>").repeated(59) + "x" + QByteArray("</b>").repeated(59);
        QTest::newRow("kvtml 64 deep") << "h.kvtml" << kvtml(entry(0, deep + "</text><comment>c</comment>"))
                                       << 0 << QStringList{"c|x"} << "1 pair was added.";
        QTest::newRow("kvtml 65 deep") << "i.kvtml" << kvtml(entry(0, "<b>" + deep + "</text></b>")) << 0
                                       << QStringList{} << "line 3: elements are nested more than 64 deep";
        // 1,025 references to 4,096 letters: just over 4 MiB.
        QTest::newRow("kvtml entity expansion")
            << "j.kvtml"
            << kvtml(entry(0, "<text>" + QByteArray("&e;").repeated(1025) + "</text>"), "",
                     "<!DOCTYPE kvtml [<!ENTITY e \"" + QByteArray(4096, 'A') + "\">]>\n")
            << 0 << QStringList{} << "its entities would expand to more than 4 MiB of text";
        QTest::newRow("bad xml") << "k.kvtml" << kvtml(entry(0, "<text>a</text>")).chopped(3) << 0
                                 << QStringList{}
                                 << "it is not valid XML (line 3, column 159: Premature end of document.)";
        QTest::newRow("not kvtml") << "l.kvtml" << QByteArray("<html/>") << 0 << QStringList{}
                                   << "it is not a KVTML word list (its first element is <html>)";
        QTest::newRow("nul") << "m.csv" << QByteArray("a,b\0", 4) << 0 << QStringList{}
                             << "it holds a NUL byte, so it is not a text file";
        QTest::newRow("open quote") << "n.csv" << QByteArray("a,b\nc,\"d\n") << 0 << QStringList{}
                                    << "line 2: a quoted field is never closed";
        QTest::newRow("header only") << "o.csv" << QByteArray("Clue,Puzzle\r\n") << 0 << QStringList{}
                                     << "No pairs were added.";
    }
    void importRules() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, held);
        QFETCH(QStringList, pairs);
        QFETCH(QString, report);
        const auto list = WordList::parse(bytes, WordList::formatFor(name, bytes));
        const Outcome o = list.ok ? apply(list.value, held) : Outcome{};
        QStringList stored;
        for (const PuzzleEntry& p : o.added)
            stored << p.Clue + u'|' + p.Puzzle;
        QCOMPARE(stored, pairs);
        QCOMPARE(list.ok ? reportText(o) : list.error,
                 QString(report).replace(u'\n', QStringLiteral("\r\n")));
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
        const Outcome o = apply(back.value, 0);
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
