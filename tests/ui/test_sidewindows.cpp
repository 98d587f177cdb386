// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's side windows on the offscreen platform: the high-score window on every kind of
// file, the game set information window, and the About window with every way the
// system-information tool can be found, missed or fail to start.
#include "ContextIDs.h"
#include "Form2.h"
#include "Form3.h"
#include "GameDoubles.h"
#include "HighScoreFile.h"
#include "HighScores.h"
#include "OleDate.h"
#include "ScriptedUi.h"
#include "SystemInfoTool.h"
#include "TestFiles.h"
#include "TestWidgets.h"
#include "frmAbout.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList row(const QTableWidget* grid, int r) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << (grid->item(r, c) ? grid->item(r, c)->text() : QStringLiteral("<none>"));
    return texts;
}

// A caption drawn with room to spare inside its button, not touching or cut by its frame.
bool captionFits(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int needed = QFontMetrics(button->font()).horizontalAdvance(QString(button->text()).remove(u'&')) +
                       2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    return needed <= room.width();
}

const QStringList DefaultRow = {QStringLiteral("Orvendel"), QStringLiteral("1"), QStringLiteral("2/25/2001"),
                                QStringLiteral("Not Played")};

// Answers each look-up as told and records what the About window asked for.
class FakeSystemInfo : public SystemInfoTool {
public:
    bool hasFirst = false, hasSecond = false, exists = false, starts = false;
    QString first = QStringLiteral("/opt/sys/info-tool");
    QString folder = QStringLiteral("/opt/sysinfo/");
    QStringList existenceTests, started, attempts;

    bool firstLookup(QString& path) override {
        path = hasFirst ? first : QString();
        return hasFirst;
    }
    bool secondLookup(QString& f) override {
        f = hasSecond ? folder : QString();
        return hasSecond;
    }
    QString toolFileName() const override { return QStringLiteral("infotool"); }
    bool fileExists(const QString& path) override {
        existenceTests << path;
        return exists;
    }
    bool start(const QString& path) override {
        attempts << path;
        if (starts)
            started << path;
        return starts;
    }
};
} // namespace

class TestSideWindows : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    ScriptedUi ui;
    FakeSystemInfo sysInfo;
    NullServices nulls; // its clock: 25 Feb 2001
    FixedClock& clock = nulls.clock;
    GameServices services = nulls.services();
    QString path;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init() {
        QFile::remove(dir.filePath(QStringLiteral("hs.lst")));
        ui.clear();
        clock.day = QDate(2001, 2, 25);
        sysInfo = FakeSystemInfo{};
        services = nulls.services(dir.path());
        services.ui = &ui;
        services.sysInfo = &sysInfo;
        path = dir.filePath(QStringLiteral("hs.lst"));
    }

    // The window's frame: caption, fixed size, Times New Roman 12, the grid's place, its
    // centred header from the format string, its column widths and its help topic.
    void highScoreWindowIsLaidOut() {
        Form3 f(services);
        QCOMPARE(f.windowTitle(), QStringLiteral("High Scores for KAZ"));
        QCOMPARE(f.size(), QSize(480, 332));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(f.font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(f.font().pointSize(), 12);
        QCOMPARE(ContextIDs::helpContextIdOf(find<QTableWidget>(f, "MSFlexGrid1")), 240);
        QCOMPARE(find<QTableWidget>(f, "MSFlexGrid1")->geometry(), QRect(12, 8, 457, 257));
        QCOMPARE(Form3::columnWidthTwips(6855), 1676);
        QCOMPARE(find<QTableWidget>(f, "MSFlexGrid1")->rowCount(), 10);
        QCOMPARE(find<QTableWidget>(f, "MSFlexGrid1")->columnCount(), 4);
        const QStringList headers = {QStringLiteral("Name"), QStringLiteral("Score"), QStringLiteral("Date"),
                                     QStringLiteral("Game Set")};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(find<QTableWidget>(f, "MSFlexGrid1")->horizontalHeaderItem(c)->text(), headers[c]);
            QCOMPARE(find<QTableWidget>(f, "MSFlexGrid1")->columnWidth(c), 112);
            QCOMPARE(find<QTableWidget>(f, "MSFlexGrid1")->item(0, c)->textAlignment(), int(Qt::AlignCenter));
        }
        QCOMPARE(find<QPushButton>(f, "Command1")->text(), QStringLiteral("&Done"));
        QVERIFY(captionFits(find<QPushButton>(f, "Command1")));
        QCOMPARE(find<QPushButton>(f, "Command1")->geometry(), QRect(200, 280, 81, 33));
        QVERIFY(find<QTableWidget>(f, "MSFlexGrid1")->editTriggers() == QAbstractItemView::NoEditTriggers);
    }

    // On a new installation ten default rows are shown and written (5,260 bytes); a second
    // opening shows the same and leaves the file alone. Done closes the window.
    void noFileShowsAndWritesTenDefaults() {
        {
            Form3 f(services);
            for (int r = 0; r < 10; ++r)
                QCOMPARE(row(find<QTableWidget>(f, "MSFlexGrid1"), r), DefaultRow);
            f.show();
            find<QPushButton>(f, "Command1")->click();
            QVERIFY(!f.isVisible());
            QCOMPARE(f.result(), int(QDialog::Accepted));
        }
        const QByteArray bytes = TestFiles::readAll(path);
        QCOMPARE(bytes.size(), 5260);
        QCOMPARE(bytes, HighScoreFile::encodeTable(HighScoreFile::completed({}, clock.day)));
        clock.day = QDate(2002, 1, 1);
        Form3 again(services);
        QCOMPARE(row(find<QTableWidget>(again, "MSFlexGrid1"), 9), DefaultRow);
        QCOMPARE(TestFiles::readAll(path), bytes);
        QVERIFY(ui.calls.isEmpty());
    }

    // A table written by a finished game reads back in the window exactly: trimmed names
    // and titles, general numbers, short dates, best first.
    void recordedTableReadsBackExactly() {
        GameState state;
        state.SetTitle = QStringLiteral("  Animals  ");
        KazMod::RecordHighScore(state, services, QStringLiteral("  Ann "), 120.0);
        state.SetTitle = QStringLiteral("Caf\u00e9");
        KazMod::RecordHighScore(state, services, QStringLiteral("Bob"), 2.75);
        KazMod::RecordHighScore(state, services, QStringLiteral("Cy"), 0.0);
        const QByteArray before = TestFiles::readAll(path);

        Form3 f(services);
        QCOMPARE(row(find<QTableWidget>(f, "MSFlexGrid1"), 0),
                 QStringList({QStringLiteral("Ann"), QStringLiteral("120"), QStringLiteral("2/25/2001"),
                              QStringLiteral("Animals")}));
        QCOMPARE(row(find<QTableWidget>(f, "MSFlexGrid1"), 1),
                 QStringList({QStringLiteral("Bob"), QStringLiteral("2.75"), QStringLiteral("2/25/2001"),
                              QStringLiteral("Caf\u00e9")}));
        for (int r = 2; r < 10; ++r)
            QCOMPARE(row(find<QTableWidget>(f, "MSFlexGrid1"), r),
                     DefaultRow); // Cy's 0 fell off below the ones
        QCOMPARE(TestFiles::readAll(path), before);
    }

    // A file of fewer than ten whole records shows them and default rows for the rest, and
    // is not rewritten: opening the window never destroys a record it can read.
    void shortFileIsShownAndKept() {
        const HighScoreRecord zed{QStringLiteral("Zed"), 1500.0, OleDate::fromDate(QDate(2000, 12, 31)),
                                  QStringLiteral("Big Cats")};
        const QByteArray bytes = HighScoreFile::encodeRecord(zed) + QByteArray(300, ' ');
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        Form3 f(services);
        QCOMPARE(row(find<QTableWidget>(f, "MSFlexGrid1"), 0),
                 QStringList({QStringLiteral("Zed"), QStringLiteral("1500"), QStringLiteral("12/31/2000"),
                              QStringLiteral("Big Cats")}));
        for (int r = 1; r < 10; ++r)
            QCOMPARE(row(find<QTableWidget>(f, "MSFlexGrid1"), r), DefaultRow);
        QCOMPARE(TestFiles::readAll(path), bytes);
        QVERIFY(ui.calls.isEmpty());
    }

    // When the default table cannot be written the rows are shown all the same and the
    // failure is reported with the stop icon.
    void unwritableDefaultTableIsShownAndReported() {
        QFile plain(dir.filePath(QStringLiteral("afile")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        services.folder = plain.fileName() + u'/';
        Form3 f(services);
        QCOMPARE(row(find<QTableWidget>(f, "MSFlexGrid1"), 0), DefaultRow);
        QCOMPARE(ui.messages().size(), 1);
        QCOMPARE(ui.messages()[0],
                 UiCall::message(QStringLiteral("The high-score file could not be written:\r\n") +
                                     plain.fileName() + QStringLiteral("/hs.lst\r\nit is not a folder"),
                                 QStringLiteral("High Scores Not Saved"), MsgButtons::Ok, MsgIcon::Stop));
    }

    // Every box is filled from GameState at opening and cannot be edited; the date is the
    // short form of the OLE date, the count in decimal.
    void setInformationShowsTheLoadedSet() {
        GameState state;
        state.SetAuthor = QStringLiteral("None Given");
        state.SetTitle = QStringLiteral("Animals");
        state.SetDate = 36947.0;
        state.SetInfo =
            QStringLiteral("No information given\n") + QString(40, u'x') + QStringLiteral("\nmore");
        state.PuzzleCount = 12;
        Form2 f(state);
        QCOMPARE(f.windowTitle(), QStringLiteral("Game Set Information"));
        QCOMPARE(f.size(), QSize(312, 251));
        QCOMPARE(ContextIDs::helpContextIdOf(find<QPlainTextEdit>(f, "Text3")), 230);
        QCOMPARE(find<QLineEdit>(f, "Text1")->text(), QStringLiteral("None Given"));
        QCOMPARE(find<QLineEdit>(f, "Text2")->text(), QStringLiteral("Animals"));
        QCOMPARE(find<QLineEdit>(f, "Text4")->text(), QStringLiteral("2/25/2001"));
        QCOMPARE(find<QLineEdit>(f, "Text5")->text(), QStringLiteral("12"));
        QCOMPARE(find<QPlainTextEdit>(f, "Text3")->toPlainText(), state.SetInfo);
        for (QLineEdit* box : {find<QLineEdit>(f, "Text1"), find<QLineEdit>(f, "Text2"),
                               find<QLineEdit>(f, "Text4"), find<QLineEdit>(f, "Text5")})
            QVERIFY(box->isReadOnly());
        QVERIFY(find<QPlainTextEdit>(f, "Text3")->isReadOnly());
        QCOMPARE(find<QPlainTextEdit>(f, "Text3")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(find<QLabel>(f, "Label5")->text(), QStringLiteral("Number of Puzzles:"));
        QCOMPARE(find<QPlainTextEdit>(f, "Text3")->geometry(), QRect(131, 136, 169, 45));
        QCOMPARE(find<QPushButton>(f, "Command1")->text(), QStringLiteral("OK"));
        QVERIFY(captionFits(find<QPushButton>(f, "Command1")));
        f.show();
        find<QPushButton>(f, "Command1")->click();
        QVERIFY(!f.isVisible());

        state.SetTitle = QStringLiteral("Birds"); // a later opening shows the state of then
        Form2 again(state);
        QCOMPARE(find<QLineEdit>(again, "Text2")->text(), QStringLiteral("Birds"));
    }

    // Caption, title, version from the build, the three description lines, the contact
    // line, captions that fit their buttons, and OK as both default and cancel button
    // (Enter and Esc close the window).
    void aboutWindowTexts() {
        frmAbout f(services);
        QCOMPARE(f.windowTitle(), QStringLiteral("About KAZ"));
        QCOMPARE(f.size(), QSize(382, 237));
        QCOMPARE(find<QLabel>(f, "lblTitle")->text(), QStringLiteral("KAZ"));
        QCOMPARE(find<QLabel>(f, "lblVersion")->text(), QStringLiteral("Version %1.%2.%3")
                                                            .arg(KAZ_VERSION_MAJOR)
                                                            .arg(KAZ_VERSION_MINOR)
                                                            .arg(KAZ_VERSION_PATCH));
        QCOMPARE(find<QLabel>(f, "lblDescription")->text(),
                 QStringLiteral("A freeware word game\r\nCreated by Orvendel\r\n25 Feb 2001"));
        QVERIFY(
            find<QLabel>(f, "lblDisclaimer")->text().startsWith(QStringLiteral("Contact the Author at ")));
        QVERIFY(find<QLabel>(f, "lblDisclaimer")->text().endsWith(QStringLiteral("@example.org")));
        QCOMPARE(find<QPushButton>(f, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
        QVERIFY(captionFits(find<QPushButton>(f, "cmdOK")));
        QVERIFY(captionFits(find<QPushButton>(f, "cmdSysInfo")));
        QVERIFY(find<QPushButton>(f, "cmdOK")->isDefault());
        QVERIFY(!find<QLabel>(f, "picIcon")->pixmap().isNull());
        QCOMPARE(ContextIDs::helpContextIdOf(find<QPushButton>(f, "cmdOK")), 0);

        for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
            frmAbout about(services);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            about.activateWindow();
            find<QPushButton>(about, "cmdOK")->setFocus();
            QTest::keyClick(&about, Qt::Key(key));
            QVERIFY2(!about.isVisible(), qPrintable(QString::number(key)));
        }
    }

    // The first look-up is started as it stands, with no existence test; when it fails to
    // start the message is shown, without falling back to the second look-up.
    void sysInfoFirstLookupIsStartedUntested() {
        frmAbout f(services);
        sysInfo.hasFirst = sysInfo.hasSecond = sysInfo.exists = true;
        sysInfo.starts = true;
        find<QPushButton>(f, "cmdSysInfo")->click();
        QCOMPARE(sysInfo.started, QStringList{sysInfo.first});
        QVERIFY(sysInfo.existenceTests.isEmpty());
        QVERIFY(ui.calls.isEmpty());

        sysInfo.starts = false;
        sysInfo.attempts.clear();
        find<QPushButton>(f, "cmdSysInfo")->click();
        QCOMPARE(sysInfo.attempts, QStringList{sysInfo.first});
        QCOMPARE(ui.messages().size(), 1);
    }

    // Without the first look-up the second one's folder and the tool's name are joined as
    // the folder stands and started only if the file exists; every failure gives the
    // message with the program's title, an OK button and no icon.
    void sysInfoSecondLookupAndEveryFailure_data() {
        QTest::addColumn<bool>("second");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<int>("attempts");
        QTest::newRow("started") << true << true << true << 1;
        QTest::newRow("no second look-up") << false << true << true << 0;
        QTest::newRow("no file there") << true << false << true << 0;
        QTest::newRow("fails to start") << true << true << false << 1;
    }
    void sysInfoSecondLookupAndEveryFailure() {
        QFETCH(bool, second);
        QFETCH(bool, exists);
        QFETCH(bool, starts);
        QFETCH(int, attempts);
        frmAbout f(services);
        sysInfo.hasSecond = second;
        sysInfo.exists = exists;
        sysInfo.starts = starts;
        find<QPushButton>(f, "cmdSysInfo")->click();
        const QString tool = QStringLiteral("/opt/sysinfo//infotool");
        QCOMPARE(sysInfo.existenceTests, second ? QStringList{tool} : QStringList());
        QCOMPARE(sysInfo.attempts, QStringList(attempts, tool));
        const bool started = !sysInfo.started.isEmpty();
        QCOMPARE(ui.calls, started ? QList<UiCall>()
                                   : QList<UiCall>{UiCall::message(
                                         QStringLiteral("System Information Is Unavailable At This Time"),
                                         QStringLiteral("KAZ"))});
        QCOMPARE(started, second && exists && starts);
    }

    // The Linux look-up reads a desktop entry's Exec from its main group, without the
    // launcher's field codes; and a real start of a program that is not there fails.
    void desktopEntryExecAndARealFailedStart() {
        QCOMPARE(
            SystemInfo::execFromDesktopEntry("[Desktop Action x]\nExec=wrong\n[Desktop Entry]\nName=Info\n"
                                             "Exec[de]=nope\nExec = /usr/bin/hardinfo %U --page 100%%\n"),
            QStringLiteral("/usr/bin/hardinfo --page 100%"));
        QCOMPARE(SystemInfo::execFromDesktopEntry("[Desktop Entry]\nName=No exec\n"), QString());
        PlatformSystemInfoTool real;
        QVERIFY(!real.start(dir.filePath(QStringLiteral("no-such-tool"))));
        QVERIFY(!real.fileExists(dir.filePath(QStringLiteral("no-such-tool"))));
    }
};

QTEST_MAIN(TestSideWindows)
#include "test_sidewindows.moc"
