// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Code that a pupil plants in a shared program folder never runs: not as the audio module
// (a copy in a sub-folder or the folder above, theirs, or in a folder they may write), and
// not as a Qt plugin or through a qt.conf beside the program.
#include "SoundPlayer.h"
#include "TestFiles.h"

#include <QProcess>
#include <QTemporaryFile>
#include <QTemporaryDir>
#include <QtTest>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestCodeLoading : public QObject {
    Q_OBJECT
private slots:
    void plantedCodeNeverRuns_data() {
        QTest::addColumn<int>("programFolderMode"); // of class/kaz, root's, in the sticky class/
        QTest::addColumn<bool>("rootsModule");      // root put the module beside the program
        QTest::addColumn<QString>("plant");         // run in class/ by a pupil
        QTest::addColumn<QString>("loaded");        // the module that ran; empty: none
        QTest::addColumn<QString>("said");          // the end of the game's one line; empty: none
        const QString beside = QStringLiteral("kaz/kazoola-sound.so"), cp = QStringLiteral("cp \"$M\" ");
        const QString theirs = QStringLiteral(" belongs to user 4201, not to root or the program's owner");
        QTest::newRow("root's, beside") << 0755 << true << "true" << beside << "";
        QTest::newRow("haswell/ copy") << 01777 << true << "mkdir kaz/haswell && " + cp + "kaz/haswell/" << beside << "";
        QTest::newRow("group-writable folder")
            << 0775 << true << "true" << "" << "kaz can be written by other users than its owner";
        QTest::newRow("a pupil's module") << 01777 << false << cp + beside << "" << "kazoola-sound.so" + theirs;
        QTest::newRow("a pupil's link") << 01777 << false << cp + "p.so && ln -s ../p.so " + beside << ""
                                        << "p.so" + theirs;
        QTest::newRow("the folder above") << 0755 << false << "mkdir -p lib/kazoola && " + cp + "lib/kazoola/" << ""
                                          << "";
        QTest::newRow("qt.conf and plugin folders")
            << 01777 << true
            << "for d in kaz/platforms kaz/styles kaz/imageformats evil/platforms; do mkdir -p $d && cp \"$M\" "
               "$d/libqkazprobe.so; done && printf '[Paths]\\nPrefix=%s/evil\\nPlugins=%s/evil\\n' $PWD $PWD | "
               "tee kaz/qt.conf >kaz/qt6.conf"
            << beside << "";
    }
    void plantedCodeNeverRuns() {
        QFETCH(int, programFolderMode);
        QFETCH(bool, rootsModule);
        QFETCH(QString, plant);
        QFETCH(QString, loaded);
        QFETCH(QString, said);
        if (::geteuid() != 0)
            QSKIP("needs root, to plant as a pupil with a uid of their own");
        QTemporaryDir base;
        const QString cls = base.filePath(QStringLiteral("class")), kaz = cls + QStringLiteral("/kaz");
        const QString mark = base.filePath(QStringLiteral("mark")), module = kaz + QStringLiteral("/kazoola-sound.so");
        QVERIFY(QDir().mkpath(kaz) && (!rootsModule || QFile::copy(QStringLiteral(KAZ_PLANTED_MODULE), module)));
        const bool qt = plant.contains(u"qt.conf");
        QVERIFY(!qt || QFile::copy(QStringLiteral(KAZ_BIN_DIR "/KAZ"), kaz + QStringLiteral("/KAZ")));
        QCOMPARE(::chown(QFile::encodeName(kaz), 0, 4200), 0);
        for (const auto& [folder, mode] : {std::pair{base.path(), 0755}, {cls, 01777}, {kaz, programFolderMode}})
            QCOMPARE(::chmod(QFile::encodeName(folder), mode), 0);
        ::setenv("M", KAZ_PLANTED_MODULE, 1);
        if (::fork() == 0) // a pupil, who may write class/ and a sticky kaz/
            ::_exit(::setgroups(0, nullptr) == 0 && ::setresgid(4201, 4201, 4201) == 0 &&
                            ::setresuid(4201, 4201, 4201) == 0 && ::chdir(QFile::encodeName(cls)) == 0 &&
                            ::system(plant.toUtf8().constData()) == 0
                        ? 0
                        : 1);
        int status = -1;
        ::wait(&status);
        QCOMPARE(status, 0);
        qputenv("KAZ_PLANTED_MARK", QFile::encodeName(mark));
        if (qt) { // Qt names every folder it looks in, then stops for want of the platform asked for
            QProcess game;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("kazprobe"));
            game.setProcessEnvironment(env);
            game.start(kaz + QStringLiteral("/KAZ"), {});
            QVERIFY(game.waitForFinished(20000));
            const QByteArray probed = game.readAllStandardError();
            QVERIFY2(probed.contains("checking directory") && !probed.contains(QFile::encodeName(cls)), probed);
        }
        const QString path = SoundPlayer::modulePathFor(kaz); // beside, or where the build installs it
        QVERIFY2(path == module || !path.startsWith(base.path()), qPrintable(path));
        QTemporaryFile err;
        QVERIFY(err.open());
        const int stderrCopy = ::dup(2);
        ::dup2(err.handle(), 2);
        SoundPlayer(module).play(GameSound::Tick);
        ::dup2(stderrCopy, 2);
        err.seek(0);
        const QByteArray told = err.readAll();
        QCOMPARE(TestFiles::readAll(mark).trimmed(), loaded.isEmpty() ? QByteArray() : QFile::encodeName(cls + u'/' + loaded));
        QVERIFY2(said.isEmpty() ? told.isEmpty() : told.count('\n') == 1 && told.endsWith(said.toUtf8() + '\n'), told);
    }
};

QTEST_MAIN(TestCodeLoading)
#include "test_codeloading.moc"
