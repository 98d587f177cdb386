// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The small shared helpers: Windows-1252 text, OLE dates, the one-separator folder rule,
// number and date forms, the help file choice, the help page check, and the game's status
// panel text.
#include "AnsiText.h"
#include "HelpPage.h"
#include "KazMod.h"
#include "OleDate.h"
#include "ProgramFolder.h"
#include "TestFiles.h"
#include "TestPaths.h"
#include "TextFormat.h"

#include <QLocale>
#include <QtTest>

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void ansiTextMapsEveryByteBothWays() {
        QCOMPARE(AnsiText::encode(QStringLiteral("\u00e9\u20ac")), QByteArray("\xe9\x80"));
        QCOMPARE(AnsiText::encode(QStringLiteral("a\u4e2db\U0001F600c")), QByteArray("a?b?c"));
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(AnsiText::encode(AnsiText::decode(all)), all);
    }

    void oleDatesCountFromTheEndOf1899() {
        QCOMPARE(OleDate::fromDate(QDate(1899, 12, 30)), 0.0);
        QCOMPARE(OleDate::fromDate(QDate(2001, 2, 25)), 36947.0);
        QCOMPARE(OleDate::toDate(36947.75), QDate(2001, 2, 25));
        QCOMPARE(OleDate::toDate(-1.0), QDate(1899, 12, 29));
        QVERIFY(!OleDate::toDate(std::nan("")).isValid());
        QVERIFY(!OleDate::toDate(1e300).isValid());
    }

    void folderGetsExactlyOneSeparator() {
        QCOMPARE(ProgramFolder::file(QStringLiteral("/opt/kaz"), QStringLiteral("hs.lst")),
                 QStringLiteral("/opt/kaz/hs.lst"));
        QCOMPARE(ProgramFolder::file(QStringLiteral("/"), QStringLiteral("hs.lst")),
                 QStringLiteral("/hs.lst"));
        QCOMPARE(ProgramFolder::file(QStringLiteral("C:\\"), QStringLiteral("hs.lst")),
                 QStringLiteral("C:\\hs.lst"));
    }

    void numbersAndDatesInTheirShortForms() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(TextFormat::generalNumber(1500.0), QStringLiteral("1500"));
        QCOMPARE(TextFormat::generalNumber(0.1 + 0.2), QStringLiteral("0.3"));
        QCOMPARE(TextFormat::generalNumber(-0.0), QStringLiteral("0"));
        QCOMPARE(TextFormat::generalNumber(1234567.0), QStringLiteral("1234567"));
        QCOMPARE(TextFormat::shortDate(QDate(2001, 2, 25)), QStringLiteral("2/25/2001"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(TextFormat::generalNumber(2.5), QStringLiteral("2,5"));
        QLocale::setDefault(QLocale::c());
    }

    // Our help files and pages that leave p, li, td and tr open pass; a page that would crash
    // or stall the viewer is refused, with the limit it passes.
    void helpPagesAreJudgedBeforeLayout_data() {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("reason");
        auto r = [](const QByteArray& part, int n) { return part.repeated(n); };
        QTest::newRow("Kaz.HLP") << TestFiles::readAll(TestPaths::source("game/Kaz.HLP")) << "";
        QTest::newRow("KazCreate.HLP") << TestFiles::readAll(TestPaths::source("editor/KazCreate.HLP")) << "";
        QTest::newRow("left open") << "<ul>" + r("<li><p>x", 1000) + "</ul><table>" +
                                          r("<tr><td>a<th>b", 500) + "</table><dl>" + r("<dt>a<dd>b", 500) +
                                          "<P>x<DIV>y"
                                   << "";
        QTest::newRow("void, comment, script")
            << r("<br><img src='a>b'><hr/>", 1000) + "<!--" + r("<table>", 200) + "--><script>" +
                   r("<table>", 200) + "</SCRIPT>" + r("<b/>", 1000)
            << "";
        QTest::newRow("5,000 nested tables")
            << r("<table><tr><td>x", 5000) << "its tables are nested more than 6 deep";
        QTest::newRow("tables in cells")
            << r("<li><table><td>", 7) << "its tables are nested more than 6 deep";
        QTest::newRow("20,000 tables")
            << r("<table><tr><td>a</td></tr></table>", 20000) << "the file is larger than 256 KiB";
        QTest::newRow("101 tables") << r("<table></table>", 101) << "it holds more than 100 tables";
        QTest::newRow("1,501 cells") << "<table>" + r("<td>x", 1501)
                                     << "its tables hold more than 1500 cells";
        QTest::newRow("nested lists") << r("<ul><li>x", 33) << "its elements are nested more than 64 deep";
        QTest::newRow("101 lists") << r("<ol></ol>", 101) << "it holds more than 100 lists";
        QTest::newRow("5,001 elements") << r("<i>x</i> ", 5001) << "it holds more than 5000 elements";
        QTest::newRow("one long word")
            << "<p>" + r("x<b>x</b>", 1001) << "it holds a word longer than 2000 characters";
        QTest::newRow("a wide span") << r("<table><td colspan=\"9\" ROWSPAN=200>", 1)
                                     << "its tables hold more than 1500 cells";
        QTest::newRow("a huge border")
            << QByteArray("<table border=1000000>") << "it holds a size of more than 4 digits";
        QTest::newRow("stray end tags")
            << r("<div></span></p>", 65) << "its elements are nested more than 64 deep";
    }
    void helpPagesAreJudgedBeforeLayout() {
        QFETCH(QByteArray, html);
        QFETCH(QString, reason);
        QCOMPARE(HelpPage::refusal(html), reason);
    }

    void statusPanelShowsScoreSpinsAndValue() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        GameState s;
        QCOMPARE(KazMod::statusText(s),
                 QStringLiteral("Current Score: 0\r\n# Of Spins So Far: 0\r\nSpin Value: "));
        s.Score = 1500;
        s.SpinCount = 3;
        s.SpinValue = QStringLiteral("50 Points");
        QCOMPARE(KazMod::statusText(s),
                 QStringLiteral("Current Score: 1500\r\n# Of Spins So Far: 3\r\nSpin Value: 50 Points"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
