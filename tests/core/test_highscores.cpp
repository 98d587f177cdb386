// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-score file: the 526-byte record byte for byte, and what a finished game does to
// the table on disk (fresh table, merge, short and unwritable files, a game still running).
#include "CoreDoubles.h"
#include "HighScoreFile.h"
#include "HighScores.h"
#include "InstallFolders.h"
#include "OleDate.h"
#include "SafeFile.h"
#include "TestFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const double Feb25 = 36947.0; // 25 Feb 2001 as an OLE date

HighScoreRecord rec(const QString& name, double score, double date = Feb25,
                    const QString& title = QStringLiteral("Animals")) {
    return {name, score, date, title};
}

// A table of ten different scores, 100 down to 10, each name telling its place.
HighScoreTable tenPlaces() {
    HighScoreTable t;
    for (int n = 0; n < 10; ++n)
        t[n] = rec(QStringLiteral("P%1").arg(n + 1), 100.0 - 10.0 * n, Feb25 - n,
                   QStringLiteral("Set %1").arg(n + 1));
    return t;
}

QList<HighScoreRecord> recordsIn(const QString& path) {
    return HighScoreFile::read(path).value;
}

// Two pupils of one class and their group, as a shared folder on a school machine has them.
constexpr uid_t Pupil = 4201, Other = 4202;
constexpr gid_t Class = 4200;

// Runs `act` as the given pupil (umask 022, in the class group) in a child process; what it
// returns comes back through a file that both share.
QByteArray asPupil(uid_t uid, const std::function<QByteArray()>& act) {
    QTemporaryFile answer;
    if (!answer.open())
        return "<no answer file>";
    if (::fork() == 0) {
        const gid_t groups[] = {Class};
        ::umask(022);
        const bool became =
            ::setgroups(1, groups) == 0 && ::setresgid(uid, uid, uid) == 0 && ::setresuid(uid, uid, uid) == 0;
        answer.write(became ? act() : QByteArray("<could not become the pupil>"));
        answer.flush();
        ::_exit(0);
    }
    ::wait(nullptr);
    answer.seek(0);
    return answer.readAll();
}

bool same(const HighScoreRecord& a, const HighScoreRecord& b) {
    return a.PlayerName == b.PlayerName && a.FinalScore == b.FinalScore && a.DatePlayed == b.DatePlayed &&
           a.GameSetTitle == b.GameSetTitle;
}
} // namespace

class TestHighScores : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FixedClock clock; // 25 Feb 2001
    HighScoreServices services{clock};
    GameState state;
    QString path;

private slots:
    void init() {
        QFile::remove(dir.filePath(QStringLiteral("hs.lst")));
        services = HighScoreServices(clock, dir.path() + u'/');
        path = dir.filePath(QStringLiteral("hs.lst"));
        state = GameState{};
        state.SetTitle = QStringLiteral("Animals");
    }

    // Name at 0, score at 255, date at 263, title at 271, texts padded with spaces; decoding
    // gives the same record back.
    void recordLaysItsFieldsOutAtFixedOffsets() {
        const QByteArray bytes = HighScoreFile::encodeRecord(rec(QStringLiteral("Ann"), 120.0));
        QCOMPARE(bytes.size(), 526);
        QCOMPARE(bytes.left(255), QByteArray("Ann") + QByteArray(252, ' '));
        QCOMPARE(bytes.mid(255, 8), QByteArray::fromHex("0000000000005e40"));
        QCOMPARE(bytes.mid(263, 8), QByteArray::fromHex("00000000600ae240"));
        QCOMPARE(bytes.mid(271), QByteArray("Animals") + QByteArray(248, ' '));

        const HighScoreRecord back = HighScoreFile::decodeRecord(bytes);
        QVERIFY(same(back, rec(QStringLiteral("Ann"), 120.0)));

        const QByteArray negative = HighScoreFile::encodeRecord(rec(QString(), -2.5, 1.0, QString()));
        QCOMPARE(negative.mid(255, 16), QByteArray::fromHex("00000000000004c0000000000000f03f"));
    }

    // Empty text is 255 spaces, long text is cut to 255 characters, text is Windows-1252 with
    // "?" for what it lacks, and only the padding is dropped when reading.
    void textFieldsArePaddedCutAndEncoded() {
        QCOMPARE(HighScoreFile::fixedText(QString()), QByteArray(255, ' '));
        const QString longName =
            QString(250, u'a') + QStringLiteral("bcdefghijklmnopqrstuvwxyz") + QString(25, u'z');
        QCOMPARE(longName.size(), 300);
        QCOMPARE(HighScoreFile::fixedText(longName), QString(250, u'a').toLatin1() + "bcdef");
        QCOMPARE(HighScoreFile::fixedText(QStringLiteral("Caf\u00e9 \u20ac \u4e2d \U0001F600.")).left(10),
                 QByteArray("Caf\xe9 \x80 ? ?"));
        QCOMPARE(HighScoreFile::fixedText(QString(255, u'\u00e9') + QStringLiteral("x")),
                 QByteArray(255, '\xe9'));

        const auto back = HighScoreFile::decodeRecord(HighScoreFile::encodeRecord(
            rec(QStringLiteral("  Bo  "), 5.0, Feb25, QStringLiteral("Caf\u00e9"))));
        QCOMPARE(back.PlayerName, QStringLiteral("  Bo"));
        QCOMPARE(back.GameSetTitle, QStringLiteral("Caf\u00e9"));
        QCOMPARE(KazMod::highScoreRowTexts(back).first(), QStringLiteral("Bo"));
    }

    // hs.lst lies in the program folder with exactly one separator before it.
    void fileLiesInTheProgramFolder() {
        QCOMPARE(HighScoreFile::path(QStringLiteral("/opt/kaz")), QStringLiteral("/opt/kaz/hs.lst"));
        QCOMPARE(HighScoreFile::path(QStringLiteral("/opt/kaz/")), QStringLiteral("/opt/kaz/hs.lst"));
        QCOMPARE(HighScoreFile::path(QStringLiteral("C:\\")), QStringLiteral("C:\\hs.lst"));
    }

    // With no file the first solved game writes its entry and nine default entries in
    // 5,260 bytes, best first: a score below the defaults' 1 comes last, not first.
    void firstGameWritesAFreshTable_data() {
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("place");
        QTest::newRow("above the defaults") << 120.0 << 0;
        QTest::newRow("below the defaults") << 0.0 << 9;
    }
    void firstGameWritesAFreshTable() {
        QFETCH(double, score);
        QFETCH(int, place);
        {
            QVERIFY(!KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), score));
            const QByteArray bytes = TestFiles::readAll(path);
            QCOMPARE(bytes.size(), 5260);
            const QByteArray orvendel = HighScoreFile::encodeRecord(
                rec(QStringLiteral("Orvendel"), 1.0, Feb25, QStringLiteral("Not Played")));
            for (int n = 0; n < 10; ++n)
                QCOMPARE(bytes.mid(n * 526, 526),
                         n == place ? HighScoreFile::encodeRecord(rec(QStringLiteral("Ann"), score))
                                    : orvendel);
        }
    }

    // A score equal to place 3 comes in below it at place 4; old places 4-9 move down and
    // the tenth drops out.
    void equalScoreComesInBelowTheStoredOne() {
        QVERIFY(HighScoreFile::write(path, tenPlaces()).ok);
        clock.day = QDate(2001, 3, 1);
        KazMod::RecordHighScore(state, services, QStringLiteral("New"), 80.0);
        clock.day = QDate(2001, 2, 25);
        const auto r = recordsIn(path);
        QCOMPARE(r.size(), 10);
        const HighScoreTable old = tenPlaces();
        for (int n = 0; n < 3; ++n)
            QVERIFY(same(r[n], old[n]));
        QVERIFY(same(r[3], rec(QStringLiteral("New"), 80.0, OleDate::fromDate(QDate(2001, 3, 1)))));
        for (int n = 4; n < 10; ++n)
            QVERIFY(same(r[n], old[n - 1]));
    }

    // A score equal to the tenth or below it leaves the ten records exactly as they were.
    void scoreOffTheTableLeavesTheRecords() {
        QVERIFY(HighScoreFile::write(path, tenPlaces()).ok);
        const QByteArray before = TestFiles::readAll(path);
        for (double score : {10.0, 9.99, 0.0, -5.0}) {
            KazMod::RecordHighScore(state, services, QStringLiteral("Low"), score);
            QCOMPARE(TestFiles::readAll(path), before);
        }
    }

    // The whole eleven places are sorted: a file out of order comes out fully in order, and
    // the twenty passes carry a top score from the bottom place to the top.
    void mergeSortsAnUnsortedFile() {
        HighScoreTable t = tenPlaces();
        std::reverse(t.begin(), t.end());
        t[0].FinalScore = 0.5; // a fresh table with a low score in record 1
        QVERIFY(HighScoreFile::write(path, t).ok);
        KazMod::RecordHighScore(state, services, QStringLiteral("Top"), 1000.0);
        const auto r = recordsIn(path);
        QCOMPARE(r.size(), 10);
        QCOMPARE(r[0].PlayerName, QStringLiteral("Top"));
        for (int n = 1; n < 10; ++n)
            QVERIFY(r[n - 1].FinalScore >= r[n].FinalScore);
        QCOMPARE(r[9].FinalScore, 20.0); // the 0.5 dropped

        std::array<HighScoreRecord, 11> places;
        for (int n = 0; n < 11; ++n)
            places[n] = rec(QStringLiteral("x%1").arg(n), n);
        KazMod::sortHighScores(places);
        for (int n = 0; n < 11; ++n)
            QCOMPARE(places[n].FinalScore, 10.0 - n);
    }

    // While a game is in progress nothing is read, written or created.
    void gameInProgressTouchesNothing() {
        state.GameInProgress = true;
        KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), 120.0);
        QVERIFY(!QFile::exists(path));
        QVERIFY(TestFiles::writeBytes(path, "short"));
        KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), 120.0);
        QCOMPARE(TestFiles::readAll(path), QByteArray("short"));
    }

    // A file of fewer than ten whole records keeps them and gets default entries for the
    // rest; bytes after the tenth record are ignored.
    void shortAndLongFilesKeepTheirRecords() {
        const HighScoreTable t = tenPlaces();
        QByteArray three;
        for (int n = 0; n < 3; ++n)
            three += HighScoreFile::encodeRecord(t[n]);
        QVERIFY(TestFiles::writeBytes(path, three + QByteArray(100, 'x')));
        QCOMPARE(recordsIn(path).size(), 3);
        KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), 50.0);
        auto r = recordsIn(path);
        QCOMPARE(r.size(), 10);
        for (int n = 0; n < 3; ++n)
            QVERIFY(same(r[n], t[n]));
        QCOMPARE(r[3].PlayerName, QStringLiteral("Ann"));
        for (int n = 4; n < 10; ++n)
            QVERIFY(same(r[n], HighScoreFile::defaultEntry(clock.day)));

        QVERIFY(TestFiles::writeBytes(path, HighScoreFile::encodeTable(t) + QByteArray(526, 'y')));
        QCOMPARE(recordsIn(path).size(), 10);
        KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), 5.0);
        QCOMPARE(TestFiles::readAll(path), HighScoreFile::encodeTable(t));

        QVERIFY(TestFiles::writeBytes(path, QByteArray()));
        QVERIFY(HighScoreFile::read(path).ok);
        KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), 0.5);
        r = recordsIn(path);
        QCOMPARE(r.size(), 10);
        for (const auto& e : r)
            QVERIFY(same(e, HighScoreFile::defaultEntry(clock.day))); // 0.5 stays below the ones
    }

    // What another pupil plants in a shared folder gives them nothing and locks no one out:
    // a set-id table stays theirs and loses its set-id bits, their link is not followed (nor
    // mid-path; the folder owner's is), a FIFO or folder at the old lock path is ignored, a
    // group's table stays the group's (in a read-only program folder too), and another pupil's
    // table in a sticky folder, or a read-only one, is not replaced.
    void sharedFolderAttacksHarmNoOne_data() {
        QTest::addColumn<int>("folderMode"); // of shared/, root:class
        QTest::addColumn<uint>("planter");
        QTest::addColumn<QString>("plant"); // run by planter in shared/, after a win if "win; "
        QTest::addColumn<QString>("at");    // hs.lst's folder under shared/
        QTest::addColumn<QString>("said");  // the end of the winner's message; empty: saved
        QTest::addColumn<QString>("after"); // hs.lst's owner, group and mode then
        const QString link =
            QStringLiteral("it is a link that another user made, and such links are not followed");
        const QString denied = QStringLiteral("Permission denied"), none;
        QTest::newRow("mode 6777") << 0777 << Other << "head -c 526 /dev/zero >hs.lst; chmod 6777 hs.lst"
                                   << none << none << "4202:4202 777";
        QTest::newRow("foreign link")
            << 0777 << Other << "ln -s ../home/hs.lst hs.lst" << none << link << "4202:4202 777";
        QTest::newRow("foreign link mid-path") << 01777 << Other << "ln -s ../home sub"
                                               << "sub/" << link << "4201:4201 644";
        QTest::newRow("folder owner's link") << 01777 << 0u << "mkdir -m 1777 room; ln -s room sub"
                                             << "sub/" << none << "4201:4201 644";
        QTest::newRow("FIFO at the lock path")
            << 0777 << Other << "mkfifo hs.lst.lock" << none << none << "4201:4201 644";
        QTest::newRow("folder at the lock path")
            << 0777 << Other << "mkdir hs.lst.lock" << none << none << "4201:4201 644";
        const QString groupTable = QStringLiteral("win; chown 0:4200 hs.lst; chmod 660 hs.lst");
        QTest::newRow("group folder") << 0770 << 0u << groupTable << none << none << "0:4200 660";
        QTest::newRow("read-only program folder")
            << 02755 << 0u << groupTable << none << none << "0:4200 660";
        QTest::newRow("sticky folder") << 01777 << Other << "win; true" << none << denied << "4202:4202 644";
        QTest::newRow("444 table") << 0777 << Other << "win; chmod 444 hs.lst" << none << denied
                                   << "4202:4202 444";
    }
    void sharedFolderAttacksHarmNoOne() {
        QFETCH(int, folderMode);
        QFETCH(uint, planter);
        QFETCH(QString, plant);
        QFETCH(QString, at);
        QFETCH(QString, said);
        QFETCH(QString, after);
        if (::geteuid() != 0)
            QSKIP("needs root, to play two pupils with their own uids");
        QTemporaryDir base; // home: the winner's own; Kaz.HLP makes shared/ a portable program folder
        const QString folder = base.filePath(QStringLiteral("shared/")), table = folder + at + "hs.lst";
        QCOMPARE(
            ::system(qPrintable(QStringLiteral("cd '%1' && chmod 755 . && mkdir shared home && touch "
                                               "shared/Kaz.HLP && echo keep >home/hs.lst && chown 0:4200 "
                                               "shared && chmod %2 shared && chown -R 4201:4201 home")
                                    .arg(base.path())
                                    .arg(folderMode, 0, 8))),
            0);
        auto win = [&](const QString& name) {
            const HighScoreServices here(clock, folder + at);
            const auto said = KazMod::RecordHighScore(state, here, name, name == u"Pupil" ? 500 : 900);
            return said ? said->text.toUtf8() : QByteArray();
        };
        QCOMPARE(asPupil(planter,
                         [&]() -> QByteArray {
                             if (plant.startsWith(u"win") && !win(QStringLiteral("Other")).isEmpty())
                                 return "the first win failed";
                             const QByteArray cmd = "cd '" + QFile::encodeName(folder) + "' && " +
                                                    plant.mid(plant.startsWith(u"win; ") ? 5 : 0).toUtf8();
                             return ::system(cmd.constData()) == 0 ? "" : "planting failed";
                         }),
                 QByteArray());
        QElapsedTimer took;
        took.start();
        const QString told = QString::fromUtf8(asPupil(Pupil, [&]() -> QByteArray { // as the game chooses
            const QString chosen = InstallFolders::highScoreFolder(folder, QStringLiteral("Kaz.HLP"), {});
            return chosen == folder ? win(QStringLiteral("Pupil")) : "kept in " + chosen.toUtf8();
        }));
        QVERIFY2(took.elapsed() < 3000, "the win waited for a lock no one holds");
        QVERIFY2(said.isEmpty() ? told.isEmpty() : told.endsWith(said), qPrintable(told));
        struct stat st {};
        QCOMPARE(::lstat(QFile::encodeName(table), &st), 0);
        QCOMPARE(QStringLiteral("%1:%2 %3").arg(st.st_uid).arg(st.st_gid).arg(st.st_mode & 07777, 0, 8),
                 after);
        QCOMPARE(TestFiles::readAll(base.filePath("home/hs.lst")), QByteArray("keep\n"));
        const QList<HighScoreRecord> records = recordsIn(QFileInfo(table).canonicalFilePath());
        QCOMPARE(
            std::any_of(records.begin(), records.end(), [](auto& r) { return r.PlayerName == u"Pupil"; }),
            said.isEmpty());
    }

    // The folders a win makes for the table are the player's alone, so no one else can read
    // the table, nor so lock it. A lock held past the wait, here a mere reader's, names the file.
    void madeFolderIsPrivateAndAHeldLockIsNamed() {
        services.folder = dir.filePath(QStringLiteral("made/kazoola/"));
        QVERIFY(!KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), 5));
        struct stat st {};
        for (const char* made : {"made", "made/kazoola"})
            QVERIFY(::stat(QFile::encodeName(dir.filePath(made)), &st) == 0 && (st.st_mode & 0777) == 0700);
        const QString table = HighScoreFile::path(services.folder);
        struct flock readLock {};
        readLock.l_type = F_RDLCK;
        const int reader = ::open(QFile::encodeName(table).constData(), O_RDONLY | O_CLOEXEC);
        QCOMPARE(::fcntl(reader, F_OFD_SETLK, &readLock), 0);
        QCOMPARE(SafeFile::FileLock().acquire(table, 50).error,
                 QStringLiteral("another program or user holds a lock on ") + table);
        ::close(reader);
    }

    // A folder that cannot be written (not even by root: it is a path under a plain file)
    // gives the stop-icon message naming the file and the reason, and the game goes on.
    void unwritableFolderIsReported() {
        const QString afile = dir.filePath(QStringLiteral("afile"));
        QVERIFY(TestFiles::writeBytes(afile, "x"));
        services.folder = afile + u'/';
        const auto c = KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), 120.0);
        QVERIFY(c);
        QCOMPARE(c->title, QStringLiteral("High Scores Not Saved"));
        const QStringList lines = c->text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("The high-score file could not be written:"));
        QCOMPARE(lines[1], afile + QStringLiteral("/hs.lst"));
        QVERIFY(!lines[2].isEmpty());
        QCOMPARE(TestFiles::readAll(afile), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(TestHighScores)
#include "test_highscores.moc"
