// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The preferences file: what is saved is read back, a damaged or unreadable file gives the
// defaults, and a file that cannot be written changes nothing and stops nothing.
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
