// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Fault injection on the real readers and writers: files that are not regular files, a full
// disk, damaged and unreadable high-score tables, leftovers of killed programs. Whatever
// happens, nothing blocks, nothing saved before is lost, and the player is told the real
// reason once.
#include "Form3.h"
#include "GameSetFile.h"
#include "HighScores.h"
#include "SafeFile.h"
#include "TestPaths.h"
#include "test_game_support.h"

#include <QProcess>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

GameSet smallSet(int pairs, const QString& title = QStringLiteral("Kept")) {
    GameSet set;
    set.title = title;
    set.date = QDate(2001, 2, 25);
    for (int i = 0; i < pairs; ++i)
        set.pairs.append({QStringLiteral("Clue %1").arg(i), QStringLiteral("Puzzle number %1").arg(i)});
    return set;
}

QByteArray bytesOf(const QString& path) {
    const FileResult<QByteArray> r = SafeFile::read(path, 64 * 1024 * 1024);
    return r.ok ? r.value : QByteArray("<unreadable>");
}

bool touch(const QString& path, const QByteArray& bytes = {}) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Unmounts on every way out of a test, so a failed check leaves no tmpfs behind.
struct Mount {
    QByteArray at;
    bool mounted;
    explicit Mount(const QString& folder)
        : at(QFile::encodeName(folder)),
          mounted(::mount("tmpfs", at.constData(), "tmpfs", 0, "size=64k") == 0) {}
    ~Mount() {
        if (mounted)
            ::umount(at.constData());
    }
};

QStringList leftovers(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".kaz-save-*")}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestFileSafety : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    // A FIFO, a folder, a link to a device and a huge sparse file are refused at once, with
    // the reason; a write never replaces or feeds them.
    void specialFilesAreRefusedAtOnce_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fifo") << "fifo"
                              << "it is a named pipe (FIFO), not a regular file";
        QTest::newRow("folder") << "folder"
                                << "it is a folder, not a file";
        QTest::newRow("device link") << "device"
                                     << "it is a device, not a regular file";
        QTest::newRow("2 GB sparse") << "sparse"
                                     << "the file is larger than 1 MiB";
    }
    void specialFilesAreRefusedAtOnce() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = dir.filePath(kind + QStringLiteral(".kazset"));
        const QByteArray name = QFile::encodeName(path);
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(name.constData(), 0644), 0);
        else if (kind == u"folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == u"device")
            QCOMPARE(::symlink("/dev/null", name.constData()), 0);
        else
            QVERIFY(touch(path) && QFile::resize(path, 2'000'000'000));

        QCOMPARE(GameSetFile::readFile(path).error, reason);
        QCOMPARE(HighScoreFile::read(path).error,
                 reason == u"the file is larger than 1 MiB" ? QString() : reason);
        if (kind == u"sparse")
            return; // a regular file, and as such may be saved over
        QCOMPARE(GameSetFile::writeFile(path, smallSet(1)).error, reason);
        struct stat st {};
        QCOMPARE(::stat(name.constData(), &st), 0);
        QVERIFY(!S_ISREG(st.st_mode));
        QCOMPARE(leftovers(dir.path()), QStringList());
    }

    // On a full disk a save fails with the system's reason, and the set and the high-score
    // table saved before stay byte for byte, with no temporary file left. Runs on a small
    // tmpfs where it may mount one (root), else under a file-size limit in a child process.
    void fullDiskKeepsWhatWasSaved() {
        const QString folder = dir.filePath(QStringLiteral("full"));
        QVERIFY(QDir().mkpath(folder));
        const Mount disk(folder);
        const bool mounted = disk.mounted;
        const QString set = folder + QStringLiteral("/set.kazset");
        QVERIFY(GameSetFile::writeFile(set, smallSet(3)).ok);
        const QByteArray setBefore = bytesOf(set);
        GameState state;
        NullServices nulls;
        const GameServices services = nulls.services(folder + u'/');
        QVERIFY(!KazMod::RecordHighScore(state, services, QStringLiteral("First"), 10));
        const QByteArray tableBefore = bytesOf(folder + QStringLiteral("/hs.lst"));

        const pid_t child = mounted ? 0 : ::fork();
        if (child == 0) {
            QString reason = QStringLiteral("No space left on device");
            if (mounted) { // fill the disk to its last byte
                QFile filler(folder + QStringLiteral("/filler"));
                filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
                while (filler.write(QByteArray(512, 'x')) > 0) {
                }
            } else {
                const rlimit small{4096, 4096};
                ::signal(SIGXFSZ, SIG_IGN);
                ::setrlimit(RLIMIT_FSIZE, &small);
                reason = QStringLiteral("File too large");
            }
            const bool setRefused = GameSetFile::writeFile(set, smallSet(101)).error == reason;
            const auto m = KazMod::RecordHighScore(state, services, QStringLiteral("Second"), 20);
            const bool tableRefused = m && m->title == u"High Scores Not Saved" && m->text.endsWith(reason);
            if (!mounted)
                ::_exit(setRefused && tableRefused ? 0 : 1);
            QVERIFY(setRefused);
            QVERIFY(tableRefused);
        } else {
            int status = -1;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QCOMPARE(status, 0);
        }
        QCOMPARE(bytesOf(set), setBefore);
        QCOMPARE(bytesOf(folder + QStringLiteral("/hs.lst")), tableBefore);
        QCOMPARE(leftovers(folder), QStringList());
    }

    // A table that is there but cannot be read is never written over, by a win or by the
    // window; a damaged score that is not a number keeps no winner out; a killed writer's
    // temporary file is cleared by the next save, a live one's is not.
    void damagedHighScoresAreKeptAndHealed() {
        GameState state;
        NullServices nulls;
        const GameServices services = nulls.services(dir.filePath(QStringLiteral("scores/")));
        const QString path = HighScoreFile::path(services.folder);
        QVERIFY(QDir().mkpath(path)); // hs.lst is a folder: there, but unreadable
        const HighScoreMessage win =
            KazMod::RecordHighScore(state, services, QStringLiteral("Ann"), 5).value_or(HighScoreMessage{});
        QCOMPARE(win.title + win.text, QStringLiteral("High Scores Not SavedThe high-score file could not be "
                                                      "read:\r\n%1\r\nit is a folder, not a file")
                                           .arg(path));
        const KazMod::HighScoresForWindow shown = KazMod::loadHighScores(services);
        QVERIFY(shown.show.unreadable && shown.message);
        QCOMPARE(shown.message->title, QStringLiteral("High Scores Not Read"));
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QDir(path).removeRecursively());

        HighScoreTable table = HighScoreFile::completed({}, nulls.clock.day);
        table[9].FinalScore = std::nan("");
        QVERIFY(HighScoreFile::write(path, table).ok);
        const QString stale = services.folder + QStringLiteral(".kaz-save-1-abc");
        const QString held = services.folder + QStringLiteral(".kaz-save-1-def");
        // A killed writer's temporary file, and a live writer's (it holds a lock on its own),
        // both last changed two minutes ago; the process id in a name proves nothing.
        QVERIFY(touch(stale, "x") && touch(held, "x"));
        const int heldFd = ::open(QFile::encodeName(held).constData(), O_RDWR);
        struct flock fl {};
        fl.l_type = F_WRLCK;
        QCOMPARE(::fcntl(heldFd, F_OFD_SETLK, &fl), 0);
        const timespec twoMinutesAgo[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
        for (const QString& f : {stale, held})
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(f).constData(), twoMinutesAgo, 0), 0);
        QVERIFY(!KazMod::RecordHighScore(state, services, QStringLiteral("Bob"), 0.5));
        QCOMPARE(HighScoreFile::read(path).value.at(9).PlayerName, QStringLiteral("Bob"));
        QVERIFY(!QFile::exists(stale));
        QVERIFY(QFile::exists(held));
        ::close(heldFd);
    }

    // A name near the system's limit still saves; one over it says so in the system's words.
    void longNamesSaveOrSayWhy() {
        QVERIFY(GameSetFile::writeFile(dir.filePath(QString(250, u'n')), smallSet(1)).ok);
        QCOMPARE(GameSetFile::writeFile(dir.filePath(QString(256, u'n')), smallSet(1)).error,
                 QStringLiteral("File name too long"));
    }

    // At the end of a won game a table that cannot be saved is reported once, not again by
    // the high-score window that follows.
    void oneFailureGivesOneMessage() {
        GameTable t;
        t.load(
            t.writeSet(QStringLiteral("animals.kazset"), {{QStringLiteral("Pet"), QStringLiteral("Dog")}}));
        QVERIFY(QDir().mkdir(t.dir.filePath(QStringLiteral("hs.lst"))));
        t.newGame(0.0);
        t.answers({QStringLiteral("dog"), QStringLiteral("Ann")});
        t.w.cmdSolve->click();
        const QList<UiCall> stops = t.ui.messages().mid(1); // after the congratulations
        QCOMPARE(stops.size(), 1);
        QCOMPARE(stops[0].title, QStringLiteral("High Scores Not Saved"));
    }

    // The teacher (uid 4201) writes through class/handouts, a link to the teacher's docs/ in a
    // sticky class folder: only the teacher's own link is followed; a pupil's or root's is not.
    void editorWritesFollowOnlyTrustedLinks_data() {
        QTest::addColumn<QString>("run"); // the link's owner, then KazCreate's arguments
        QTest::newRow("PDF, a pupil's link") << "4202 --pdf key SET class/handouts/out";
        QTest::newRow("CSV, a pupil's link") << "4202 --export-csv SET class/handouts/out";
        QTest::newRow("set, root's link") << "0 --import LIST --output class/handouts/out";
        QTest::newRow("PDF, the teacher's link") << "4201 --pdf key SET class/handouts/out";
    }
    void editorWritesFollowOnlyTrustedLinks() {
        QFETCH(QString, run);
        if (::geteuid() != 0)
            QSKIP("needs root, to play a teacher and a pupil with their own uids");
        const QTemporaryDir dir; // a fresh one for each row
        QProcess sh; // a 0755 folder; class/ 1777, docs/ and docs/out the teacher's; LIST, SET to read
        sh.start("sh", {"-c", QStringLiteral(
                                  "cd '%1' && chmod 755 . && mkdir class docs && echo keep >docs/out && "
                                  "echo Cat,CAT >LIST && cp '%2' SET && chown -R 4201 class docs && chmod "
                                  "1777 class && setpriv --clear-groups --reuid=%3 ln -s ../docs class/"
                                  "handouts && setpriv --clear-groups --reuid=4201 %4 %5")
                                  .arg(dir.path(), TestPaths::source(QStringLiteral("sets/Animals.kazset")),
                                       run.section(u' ', 0, 0), TestPaths::bin(QStringLiteral("KazCreate")),
                                       run.section(u' ', 1))});
        QVERIFY(sh.waitForFinished());
        const bool followed = run.startsWith(u"4201");
        QCOMPARE(sh.exitCode(), followed ? 0 : 1);
        QVERIFY(followed || sh.readAllStandardError().endsWith("such links are not followed\n"));
        QCOMPARE(TestFiles::readAll(dir.filePath(QStringLiteral("docs/out"))) == "keep\n", !followed);
    }
};

QTEST_MAIN(TestFileSafety)
#include "test_filesafety.moc"
