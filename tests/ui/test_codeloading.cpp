// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Code that a pupil plants in a shared program folder never runs: as the audio module (a
// copy in a sub-folder or the folder above, theirs, or in a folder they may write), nor as a
// Qt plugin or through a qt.conf beside the program.
#include "SoundPlayer.h"

#include <QProcess>
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
        QTest::addColumn<int>("programFolderMode"); // of class/kaz (root's, in the sticky class/)
        QTest::addColumn<bool>("rootsModule");      // root put the module beside the program
        QTest::addColumn<QString>("plant");         // run in class/ by a pupil
        QTest::addColumn<bool>("loaded");           // root's module, and nothing else, ran
        const QString cp = QStringLiteral("cp \"$M\" "), beside = QStringLiteral(" kaz/kazoola-sound.so");
        QTest::newRow("root's, beside") << 0755 << true << "true" << true;
        QTest::newRow("haswell/ copy") << 01777 << true << "mkdir kaz/haswell && " + cp + "kaz/haswell/" << true;
        QTest::newRow("group-writable folder") << 0775 << true << "true" << false;
        QTest::newRow("a pupil's module") << 01777 << false << cp + beside << false;
        QTest::newRow("a pupil's link") << 01777 << false << cp + "p.so && ln -s ../p.so" + beside << false;
        QTest::newRow("the folder above") << 0755 << false << "mkdir -p lib/kazoola && " + cp + "lib/kazoola/" << false;
        QTest::newRow("qt.conf and plugin folders")
            << 01777 << true
            << "for d in kaz/platforms kaz/styles kaz/imageformats evil/platforms; do mkdir -p $d && " + cp +
                   "$d/libqkazprobe.so; done; printf '[Paths]\\nPlugins=%s/evil\\n' $PWD | tee kaz/qt.conf >kaz/qt6.conf"
            << true;
    }
    void plantedCodeNeverRuns() {
        QFETCH(int, programFolderMode);
        QFETCH(bool, rootsModule);
        QFETCH(QString, plant);
        QFETCH(bool, loaded);
        if (::geteuid() != 0)
            QSKIP("needs root, to plant as a pupil with a uid of their own");
        QTemporaryDir base;
        const QString cls = base.filePath(QStringLiteral("class")), kaz = cls + QStringLiteral("/kaz");
        const QString mark = base.filePath(QStringLiteral("mark")), module = kaz + QStringLiteral("/kazoola-sound.so");
        QVERIFY(QDir().mkpath(kaz) && (!rootsModule || QFile::copy(QStringLiteral(KAZ_PLANTED_MODULE), module)));
        QVERIFY(QFile::copy(QStringLiteral(KAZ_BIN_DIR "/KAZ"), kaz + QStringLiteral("/KAZ")));
        QCOMPARE(::chown(QFile::encodeName(kaz), 0, 4200), 0);
        for (const auto& [folder, mode] : {std::pair{base.path(), 0755}, {cls, 01777}, {kaz, programFolderMode}})
            QCOMPARE(::chmod(QFile::encodeName(folder), mode), 0);
        ::setenv("M", KAZ_PLANTED_MODULE, 1);
        if (::fork() == 0) // a pupil, who may write class/ and a sticky kaz/
            ::_exit(::setgroups(0, nullptr) || ::setresgid(4201, 4201, 4201) || ::setresuid(4201, 4201, 4201) ||
                    ::chdir(QFile::encodeName(cls)) || ::system(plant.toUtf8().constData()));
        int status = -1;
        ::wait(&status);
        QCOMPARE(status, 0);
        qputenv("KAZ_PLANTED_MARK", QFile::encodeName(mark));
        QProcess game; // Qt names every folder it looks in, then stops for want of the platform asked for
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("kazprobe"));
        game.setProcessEnvironment(env);
        game.start(kaz + QStringLiteral("/KAZ"), {});
        QVERIFY(game.waitForFinished(20000));
        const QByteArray probed = game.readAllStandardError();
        QVERIFY2(probed.contains("checking directory") && !probed.contains(QFile::encodeName(cls)), probed);
        const QString path = SoundPlayer::modulePathFor(kaz); // beside, or where the build installs it
        QVERIFY2(path == module || !path.startsWith(base.path()), qPrintable(path));
        SoundPlayer(module).play(GameSound::Tick);
        QFile ran(mark);
        QCOMPARE(ran.open(QIODevice::ReadOnly) ? ran.readAll() : QByteArray(),
                 loaded ? QFile::encodeName(module) + '\n' : QByteArray());
    }
};

QTEST_MAIN(TestCodeLoading)
#include "test_codeloading.moc"
