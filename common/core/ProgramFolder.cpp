// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramFolder.h"

#include <QCoreApplication>

QString ProgramFolder::withSeparator(const QString& folder) {
    const QString trimmed = folder.trimmed();
    if (trimmed.endsWith(u'/') || trimmed.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

QString ProgramFolder::current() {
    // Qt gives no folder at all when it cannot decode the program's path; that stays empty
    // rather than becoming "/", so nothing is ever written into the root folder.
    const QString folder = QCoreApplication::applicationDirPath();
    return folder.isEmpty() ? QString() : withSeparator(folder);
}

QString ProgramFolder::file(const QString& folder, const QString& name) {
    return folder.trimmed().isEmpty() ? QString() : withSeparator(folder) + name;
}
