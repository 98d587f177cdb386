// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrustedCode.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString TrustedCode::resolved(const QString& path) {
    char* real = ::realpath(QFile::encodeName(path).constData(), nullptr);
    if (!real)
        return {};
    const QString result = QFile::decodeName(real);
    std::free(real);
    return result;
}

QString TrustedCode::whyNotTrusted(const QString& path, uid_t owner) {
    const QString real = resolved(path);
    if (real.isEmpty())
        return QStringLiteral("%1 cannot be found (%2)")
            .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    QByteArray at = QFile::encodeName(real);
    for (bool file = true;; file = false) {
        const QString name = QFile::decodeName(at);
        struct stat st {};
        if (::lstat(at.constData(), &st) != 0)
            return QStringLiteral("%1 cannot be checked (%2)")
                .arg(name, QString::fromLocal8Bit(std::strerror(errno)));
        if (file ? !S_ISREG(st.st_mode) : !S_ISDIR(st.st_mode))
            return QStringLiteral("%1 is not a plain %2").arg(name, file ? u"file" : u"folder");
        if (st.st_uid != 0 && st.st_uid != owner)
            return QStringLiteral("%1 belongs to user %2, not to root or the program's owner")
                .arg(name)
                .arg(st.st_uid);
        const bool sticky = S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX);
        if ((st.st_mode & (S_IWGRP | S_IWOTH)) && !sticky)
            return QStringLiteral("%1 can be written by other users than its owner").arg(name);
        if (at == "/")
            return {};
        const qsizetype slash = at.lastIndexOf('/');
        at.truncate(slash > 0 ? slash : 1);
    }
}

uid_t TrustedCode::programOwner() {
    struct stat st {};
    return ::stat("/proc/self/exe", &st) == 0 ? st.st_uid : 0;
}

void TrustedCode::keepPluginsOutOfProgramFolder() {
    const QString folder = QDir(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath()).canonicalPath();
    if (folder.isEmpty())
        return;
    if (QCoreApplication::instance()) {
        QCoreApplication::removeLibraryPath(folder);
        return;
    }
    // Qt adds the program folder while the application is made, and replays on top of that
    // what was removed before; but only what its list held then can be removed. So the folder
    // goes in for a moment through QT_PLUGIN_PATH, which Qt reads for that list, and is
    // taken out again. A folder whose name holds the list separator goes in by a name
    // without one: its open handle's, which Qt resolves to the same folder.
    int handle = -1;
    QByteArray entry = QFile::encodeName(folder);
    if (folder.contains(QDir::listSeparator())) {
        handle = ::open(entry.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        entry = "/proc/self/fd/" + QByteArray::number(handle);
    }
    const bool had = qEnvironmentVariableIsSet("QT_PLUGIN_PATH");
    const QByteArray own = qgetenv("QT_PLUGIN_PATH");
    qputenv("QT_PLUGIN_PATH", own.isEmpty() ? entry : entry + ':' + own);
    QCoreApplication::libraryPaths(); // read now, with the folder in it
    QCoreApplication::removeLibraryPath(folder);
    if (had)
        qputenv("QT_PLUGIN_PATH", own);
    else
        qunsetenv("QT_PLUGIN_PATH");
    if (handle >= 0)
        ::close(handle);
}
