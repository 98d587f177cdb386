// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting from the desktop: a game set named on the command line, --version and a wrong
// option; the folders a program picks in either layout, and the code it loads from them.
#include "CommandLine.h"
#include "HighScores.h"
#include "InstallFolders.h"
#include "SoundPlayer.h"
#include "TestPaths.h"
#include "test_game_support.h"

#include <QProcess>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("KAZ"));
        QCoreApplication::setApplicationVersion(QStringLiteral(KAZ_VERSION));
    }

    // A file on the command line loads as File, Load A Game Set would; --version prints and
    // exits with 0; a wrong command line prints the usage to standard error and exits with 2.
    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");         // -1: the program starts
        QTest::addColumn<QString>("printed");      // what it prints first, stdout or stderr
        QTest::addColumn<QString>("notLoadedBox"); // the failed load's text; empty: loaded
        const QString animals = TestPaths::source(QStringLiteral("sets/Animals.kazset"));
        const QString missing = QStringLiteral("/nonexistent/Missing.kazset");
        QTest::newRow("good file") << QStringList{"KAZ", animals} << -1 << QString() << QString();
        QTest::newRow("bad file") << QStringList{"KAZ", missing} << -1 << QString()
                                  << GameSetFile::notLoadedText(missing, QString());
        QTest::newRow("--version") << QStringList{"KAZ", "--version"} << 0 << "KAZ " KAZ_VERSION "\n"
                                   << QString();
        QTest::newRow("unknown option")
            << QStringList{"KAZ", "--bogus"} << 2 << "Unknown option 'bogus'.\nUsage: " << QString();
        QTest::newRow("two files") << QStringList{"KAZ", animals, animals} << 2
                                   << "Only one file can be opened.\nUsage: " << QString();
        QTest::newRow("Qt's own options") << QStringList{"KAZ", "-style", "Fusion", "--reverse", "a", "b"}
                                          << 2 << "Only one file can be opened.\nUsage: " << QString();
        QTest::newRow("KazCreate --bogus")
            << QStringList{"KazCreate", "--bogus"} << 2 << "Unknown option 'bogus'.\nUsage: " << QString();
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, printed);
        QFETCH(QString, notLoadedBox);
        const CommandLine::Outcome o =
            CommandLine::parse(CommandLine::withoutQtOptions(args), QStringLiteral("Kazoola"));
        QCOMPARE(o.exit ? o.exitCode : -1, exitCode);
        QVERIFY2((exitCode == 2 ? o.err : o.out).startsWith(printed), qPrintable(o.out + o.err));
        if (o.exit) { // and the program itself says so, with no display
            QProcess run;
            run.setProcessEnvironment(QProcessEnvironment());
            run.start(QStringLiteral(KAZ_BIN_DIR "/") + args[0], args.mid(1));
            QVERIFY(run.waitForFinished(20000) && run.exitStatus() == QProcess::NormalExit);
            QCOMPARE(run.exitCode(), exitCode);
            QVERIFY((exitCode ? run.readAllStandardError() : run.readAllStandardOutput())
                        .startsWith(printed.toUtf8()));
            return;
        }

        GameTable t;
        QCOMPARE(t.form->loadGameSet(o.file), notLoadedBox.isEmpty());
        QCOMPARE(t.state().SetLoaded, notLoadedBox.isEmpty());
        if (notLoadedBox.isEmpty()) {
            QCOMPARE(t.state().SetTitle, QStringLiteral("Animal Kingdom"));
            QVERIFY(t.ui.calls.isEmpty());
        } else {
            QCOMPARE(t.ui.calls.size(), 1);
            const UiCall& box = t.ui.calls[0];
            QVERIFY2(box.text.startsWith(notLoadedBox), qPrintable(box.text));
            QCOMPARE(box.title, GameSetFile::NotLoadedTitle);
            QCOMPARE(box.icon, MsgIcon::Stop);
        }
    }

    // Portable: help, sets and hs.lst beside the program. Installed: help and sets from
    // ../share/kazoola, hs.lst in the player's data folder, which the first won game makes,
    // even where the program folder is writable (root and /usr/games).
    void foldersFollowTheLayout() {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString share = root.filePath(QStringLiteral("share/kazoola"));
        const QString userData = root.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(share));
        const QString help = QStringLiteral("Kaz.HLP");
        QFile(bin + u'/' + help).open(QIODevice::WriteOnly);
        QCOMPARE(InstallFolders::dataFolder(bin, help), bin + u'/');
        QCOMPARE(InstallFolders::highScoreFolder(bin, help, userData), bin + u'/');

        QVERIFY(QFile::rename(bin + u'/' + help, share + u'/' + help));
        const QString scores = userData + QStringLiteral("/kazoola/");
        QCOMPARE(InstallFolders::highScoreFolder(bin, help, userData), scores);
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                               QFile::ExeOther));
        const auto restore = qScopeGuard([&] { QFile::setPermissions(bin, QFile::Permissions(0x7755)); });
        QCOMPARE(InstallFolders::dataFolder(bin, help), share + u'/');

        NullServices nulls;
        const GameServices services = nulls.services(InstallFolders::dataFolder(bin, help),
                                                     InstallFolders::highScoreFolder(bin, help, userData));
        GameState won;
        won.SetTitle = QStringLiteral("Animal Kingdom");
        QVERIFY(!KazMod::RecordHighScore(won, services, QStringLiteral("Ann"), 120));
        QVERIFY(QFileInfo(scores + QStringLiteral("hs.lst")).size() > 0);
        QVERIFY(!QFileInfo::exists(bin + QStringLiteral("/hs.lst")));
    }
    // Code a pupil plants in a shared program folder never runs: as the audio module (in a
    // sub-folder or the folder above, theirs, or in a folder they may write), nor through Qt.
    void plantedCodeNeverRuns_data() {
        QTest::addColumn<int>("programFolderMode"); // of class/kaz (root's, in the sticky class/)
        QTest::addColumn<QString>("plant");         // run in class/ by a pupil
        QTest::addColumn<bool>("loaded"); // only root's module ran (beside if loaded or plant=="true")
        const QString cp = "cp " KAZ_BIN_DIR "/kazoola-sound.so ", beside = "kaz/kazoola-sound.so";
        QTest::newRow("root's, beside") << 0755 << "true" << true;
        QTest::newRow("haswell/ copy") << 01777 << "mkdir kaz/haswell && " + cp + "kaz/haswell/" << true;
        QTest::newRow("group-writable folder") << 0775 << "true" << false;
        QTest::newRow("a pupil's module") << 01777 << cp + beside << false;
        QTest::newRow("a pupil's link") << 01777 << cp + "p.so && ln -s ../p.so " + beside << false;
        QTest::newRow("the folder above")
            << 0755 << "mkdir -p lib/kazoola && " + cp + "lib/kazoola/" << false;
        QTest::newRow("qt.conf and plugin folders")
            << 01777
            << "mkdir kaz/platforms kaz/styles kaz/imageformats && "
               "printf '[Paths]\\nPlugins=%s/kaz\\n' $PWD | tee kaz/qt.conf >kaz/qt6.conf"
            << true;
    }
    void plantedCodeNeverRuns() {
        QFETCH(int, programFolderMode);
        QFETCH(QString, plant);
        QFETCH(bool, loaded);
        if (::geteuid() != 0)
            QSKIP("needs root, to plant as a pupil with a uid of their own");
        QTemporaryDir base;
        const QString cls = base.filePath(QStringLiteral("class")), kaz = cls + QStringLiteral("/kaz");
        const QString module = kaz + QStringLiteral("/kazoola-sound.so");
        QVERIFY(QDir().mkpath(kaz) && (!(loaded || plant == u"true") ||
                                       QFile::copy(QStringLiteral(KAZ_BIN_DIR "/kazoola-sound.so"), module)));
        QVERIFY(QFile::copy(QStringLiteral(KAZ_BIN_DIR "/KAZ"), kaz + QStringLiteral("/KAZ")));
        for (const auto& [folder, mode] :
             {std::pair{base.path(), 0755}, {cls, 01777}, {kaz, programFolderMode}})
            QCOMPARE(::chmod(QFile::encodeName(folder), mode), 0);
        const QStringList pupil = {"--reuid=4201", "--regid=4201", "--clear-groups",
                                   "sh",           "-c",           "cd " + cls + " && " + plant};
        QCOMPARE(QProcess::execute(QStringLiteral("setpriv"), pupil), 0); // may write class/, a sticky kaz/
        QProcess game; // Qt names every folder it looks in, then stops for want of the platform asked for
        game.start(QStringLiteral("env"), {"QT_DEBUG_PLUGINS=1", "QT_QPA_PLATFORM=kazprobe", kaz + "/KAZ"});
        QVERIFY(game.waitForFinished(20000));
        const QByteArray probed = game.readAllStandardError();
        QVERIFY2(probed.contains("checking directory") && !probed.contains(QFile::encodeName(cls)), probed);
        const QString path = SoundPlayer::modulePathFor(kaz); // beside, or where the build installs it
        QVERIFY2(path == module || !path.startsWith(base.path()), qPrintable(path));
        SoundPlayer(module).play(GameSound::Tick);
        QFile maps(QStringLiteral("/proc/self/maps")); // what this process has loaded
        const QByteArray mapped = maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
        QCOMPARE(mapped.count(QFile::encodeName(cls)),
                 loaded ? mapped.count(QFile::encodeName(module) + '\n') : 0);
        QCOMPARE(mapped.contains(QFile::encodeName(module) + '\n'), loaded);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
