// The small shared helpers: Windows-1252 text, OLE dates, the one-separator folder rule,
// number and date forms, the help file choice, and the game's status panel text.
#include "AnsiText.h"
#include "KazMod.h"
#include "OleDate.h"
#include "ProgramFolder.h"
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
