// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The preferences file: what is saved is read back, a damaged or unreadable file gives the
// defaults, the administrator's file gives the lab's defaults and locks, and a file that
// cannot be written changes nothing and stops nothing.
#include "InstallFolders.h"
#include "Preferences.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(Preferences)

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    // The player's data folder is $XDG_DATA_HOME, the preferences are in $XDG_CONFIG_HOME/kazoola/,
    // by default ~/.local/share and ~/.config; an empty or relative value is ignored.
    void followsTheXdgRules_data() {
        QTest::addColumn<QByteArray>("value"); // of both variables; null: unset
        QTest::addColumn<QString>("folders");  // the data folder, then the preferences file
        const QString home = QStringLiteral("/home/a/.local/share /home/a/.config/kazoola/KAZ.conf");
        QTest::newRow("unset") << QByteArray() << home;
        QTest::newRow("empty") << QByteArray("") << home;
        QTest::newRow("relative") << QByteArray("relative/xdg") << home;
        QTest::newRow("absolute") << QByteArray("/xdg") << "/xdg /xdg/kazoola/KAZ.conf";
    }
    void followsTheXdgRules() {
        QFETCH(QByteArray, value);
        QFETCH(QString, folders);
        qputenv("HOME", "/home/a"); // this test process's own environment
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        QCOMPARE(InstallFolders::userDataFolder() + u' ' + PreferenceFile::defaultPath(), folders);
        QCOMPARE(qgetenv("XDG_DATA_HOME"), value); // asked, not changed
    }

    void keptBetweenRuns() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new/kazoola/KAZ.conf"));
        QCOMPARE(PreferenceFile(path).load(), Preferences{}); // no file yet: the defaults
        const Preferences chosen{200, true, false};
        QVERIFY(PreferenceFile(path).save(chosen));
        QCOMPARE(PreferenceFile(path).load(), chosen);
        QCOMPARE(TestFiles::readAll(path), QByteArray("[General]\nZoom=200\nFullScreen=true\nSound=false\n"));
    }

    // The administrator's kazoola.conf lies under the player's KAZ.conf: what it sets is the
    // player's default, what it locks is its own whatever the player's file says, and a damaged
    // or missing one means today's defaults, with a line saying why. Saving keeps only what
    // differs from the lab's default and is not locked, and the player's other keys.
    void systemSettingsUnderThePlayers_data() {
        QTest::addColumn<QByteArray>("system"); // null: no file
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<Preferences>("read");
        QTest::addColumn<QString>("locked");  // of Zoom, FullScreen, Sound
        QTest::addColumn<QString>("folders"); // HighScoreFolder, SetsFolder as used
        QTest::addColumn<QString>("problems");
        QTest::addColumn<QByteArray>("saved"); // the player's file after saving what was read
        const QByteArray user = "[General]\nZoom=200\nSound=true\nSetsFolder=/home/t/sets\n";
        QTest::newRow("keys set")
            << QByteArray("[General]\nZoom=150\nSound=false\nHighScoreFolder=/srv/class/kazoola/\n")
            << QByteArray() << Preferences{150, false, false} << "" << "/srv/class/kazoola " << ""
            << QByteArray("[General]\n");
        QTest::newRow("the player's over them")
            << QByteArray("Zoom=150\nSound=false\nSetsFolder=/srv/sets\n") << user
            << Preferences{200, false, true} << "" << " /home/t/sets" << ""
            << QByteArray("[General]\nZoom=200\nSound=true\nSetsFolder=/home/t/sets\n");
        QTest::newRow("keys locked")
            << QByteArray("; the lab\n[General]\nZoom=150\nSound=false\nSetsFolder=/srv/sets\n"
                          "Locked=Sound, SetsFolder\n[Other]\nZoom=300\n")
            << user << Preferences{200, false, false} << "Sound" << " /srv/sets" << ""
            << QByteArray("[General]\nZoom=200\nSound=true\nSetsFolder=/home/t/sets\n");
        QTest::newRow("damaged")
            << QByteArray("[General\nZoom=150\n") << user << Preferences{200, false, true} << ""
            << " /home/t/sets" << "SYSTEM is not used: line 1: a section name is not closed"
            << QByteArray("[General]\nZoom=200\nSetsFolder=/home/t/sets\n");
        QTest::newRow("bad values")
            << QByteArray("Zoom=137\nHighScoreFolder=class\nLocked=Colour\nSound=off\nColour=red\n")
            << QByteArray() << Preferences{} << "" << " " <<
            "SYSTEM: HighScoreFolder must be a full path; it is left out\n"
            "SYSTEM: Locked names Colour, which is not a setting; it is left out\n"
            "SYSTEM: Sound must be true or false; it is left out\n"
            "SYSTEM: Colour is not a setting; it is left out\n"
            "SYSTEM: Zoom must be one of 100, 125, 150, 200, 250, 300; it is left out"
            << QByteArray("[General]\n");
        QTest::newRow("missing") << QByteArray() << user << Preferences{200, false, true} << "" << " /home/t/sets"
                                 << "" << QByteArray("[General]\nZoom=200\nSetsFolder=/home/t/sets\n");
    }
    void systemSettingsUnderThePlayers() {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QTemporaryDir dir;
        const QString systemPath = dir.filePath(QStringLiteral("xdg/kazoola/kazoola.conf"));
        const QString userPath = dir.filePath(QStringLiteral("KAZ.conf"));
        if (!system.isNull())
            QVERIFY(QDir().mkpath(QFileInfo(systemPath).path()) && TestFiles::writeBytes(systemPath, system));
        if (!user.isNull())
            QVERIFY(TestFiles::writeBytes(userPath, user));
        QCOMPARE(Settings::systemFilePath({dir.filePath(QStringLiteral("none")), dir.filePath(QStringLiteral("xdg"))}),
                 system.isNull() ? dir.filePath(QStringLiteral("none/kazoola/kazoola.conf")) : systemPath);

        PreferenceFile file(userPath, systemPath);
        const Preferences read = file.load();
        QTEST(read, "read");
        QStringList locked;
        for (const QString& key : {Settings::ZoomKey, Settings::FullScreenKey, Settings::SoundKey})
            if (file.isLocked(key))
                locked << key;
        QTEST(locked.join(u','), "locked");
        const Settings::Layers& layers = file.settings();
        QTEST(layers.folder(Settings::HighScoreFolderKey) + u' ' + layers.folder(Settings::SetsFolderKey), "folders");
        QTEST(file.problems().join(u'\n').replace(systemPath, QStringLiteral("SYSTEM")), "problems");
        QVERIFY(file.save(read));
        QTEST(TestFiles::readAll(userPath), "saved");
    }

    void damagedGivesTheDefaults_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Preferences>("read");
        QTest::newRow("not a step") << QByteArray("[General]\nZoom=137\nSound=false\n")
                                    << Preferences{100, false, false};
        QTest::newRow("words") << QByteArray("[General]\nZoom=big\nFullScreen=maybe\n") << Preferences{};
        QTest::newRow("binary") << QByteArray("\x00\xff[\x01=\n\x7f", 7) << Preferences{};
        QTest::newRow("too long") << QByteArray(100000, 'x') << Preferences{};
    }
    void damagedGivesTheDefaults() {
        QFETCH(QByteArray, bytes);
        QFETCH(Preferences, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("KAZ.conf"));
        QVERIFY(TestFiles::writeBytes(path, bytes));
        QCOMPARE(PreferenceFile(path).load(), read);
    }

    // A FIFO is never opened for reading or written over; a folder that cannot take the file
    // (its parent is a file, which stops root too) leaves the old file byte for byte.
    void unreadableOrUnwritableChangesNothing() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo.conf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(PreferenceFile(fifo).load(), Preferences{});
        QVERIFY(!PreferenceFile(fifo).save(Preferences{150, false, true}));

        const QString blocker = dir.filePath(QStringLiteral("file"));
        QVERIFY(TestFiles::writeBytes(blocker, "x"));
        QVERIFY(!PreferenceFile(blocker + QStringLiteral("/kazoola/KAZ.conf")).save(Preferences{}));

        const QString kept = dir.filePath(QStringLiteral("ro/KAZ.conf"));
        QVERIFY(PreferenceFile(kept).save(Preferences{125, false, true}));
        QFile::setPermissions(dir.filePath(QStringLiteral("ro")), QFile::ReadOwner | QFile::ExeOwner);
        if (::geteuid() != 0) {
            QVERIFY(!PreferenceFile(kept).save(Preferences{300, true, false}));
            QCOMPARE(PreferenceFile(kept).load(), (Preferences{125, false, true}));
        }
        QFile::setPermissions(dir.filePath(QStringLiteral("ro")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(TestPreferences)
#include "test_preferences.moc"
