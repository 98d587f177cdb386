// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InstallFolders.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Qt's folder of this kind for the player's own files. Qt 6.4 takes a relative value of the
// variable as it is, where the XDG rules (and this program, always) ignore it: Qt is then
// asked again without it. That happens only where the variable is set wrongly, and the
// programs ask at start-up.
QString userFolder(QStandardPaths::StandardLocation type, const char* variable) {
    const QString folder = QStandardPaths::writableLocation(type);
    if (QDir::isAbsolutePath(folder) || qEnvironmentVariableIsEmpty(variable))
        return folder;
    const QByteArray value = qgetenv(variable);
    qunsetenv(variable);
    const QString withoutIt = QStandardPaths::writableLocation(type);
    qputenv(variable, value);
    return withoutIt;
}
} // namespace

QString InstallFolders::userDataFolder() {
    return userFolder(QStandardPaths::GenericDataLocation, "XDG_DATA_HOME");
}

QString InstallFolders::userConfigFolder() {
    return userFolder(QStandardPaths::GenericConfigLocation, "XDG_CONFIG_HOME");
}

QString InstallFolders::dataFolder(const QString& programFolder, const QString& helpFile) {
    if (programFolder.isEmpty())
        return {}; // no folder of its own: nothing to find, and nothing written anywhere
    const QString beside = ProgramFolder::withSeparator(programFolder);
    if (QFileInfo(beside + helpFile).isFile())
        return beside;
    const QString shared = QDir::cleanPath(beside + QStringLiteral("../share/kazoola")) + u'/';
    if (QFileInfo(shared + helpFile).isFile())
        return shared;
    return beside;
}

QString InstallFolders::highScoreFolder(const QString& programFolder, const QString& helpFile,
                                        const QString& dataFolder) {
    if (programFolder.isEmpty())
        return {}; // a program that cannot find its own folder saves no high scores at all
    const QString beside = ProgramFolder::withSeparator(programFolder);
    if (QFileInfo(beside + helpFile).isFile() &&
        (isWritableFolder(programFolder) || isWritableFile(beside + QStringLiteral("hs.lst"))))
        return beside;
    return QDir::cleanPath(dataFolder + QStringLiteral("/kazoola")) + u'/';
}

QString InstallFolders::highScoreFolder(const QString& programFolder, const QString& helpFile) {
    return highScoreFolder(programFolder, helpFile, userDataFolder());
}

bool InstallFolders::isWritableFile(const QString& file) {
    struct stat st {};
    const QByteArray name = QFile::encodeName(file);
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // Root passes every access check, so a write bit must say that someone may write it.
    return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0 && (st.st_mode & 0222);
}

bool InstallFolders::isWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable())
        return false;
    if (info.ownerId() == ::geteuid())
        return info.permission(QFileDevice::WriteOwner);
    return true;
}
