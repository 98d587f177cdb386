// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InstallFolders.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
                                        const QString& xdgDataHome, const QString& home) {
    if (programFolder.isEmpty())
        return {}; // a program that cannot find its own folder saves no high scores at all
    const QString beside = ProgramFolder::withSeparator(programFolder);
    if (QFileInfo(beside + helpFile).isFile() &&
        (isWritableFolder(programFolder) || isWritableFile(beside + QStringLiteral("hs.lst"))))
        return beside;
    const QString data =
        QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QStringLiteral("/kazoola")) + u'/';
}

QString InstallFolders::highScoreFolder(const QString& programFolder, const QString& helpFile) {
    return highScoreFolder(programFolder, helpFile, qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
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
