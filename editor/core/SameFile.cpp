// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SameFile.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

namespace SameFile {

bool same(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

QString overwritesInput(const QString& output, const QString& input) {
    if (!same(output, input))
        return QString();
    return QCoreApplication::translate("SameFile",
                                       "it is the same file as the input %1, which writing it would destroy")
        .arg(input);
}

} // namespace SameFile
