#include "ProgramFolder.h"

#include <QCoreApplication>

QString ProgramFolder::withSeparator(const QString& folder) {
    const QString trimmed = folder.trimmed();
    if (trimmed.endsWith(u'/') || trimmed.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

QString ProgramFolder::current() {
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::file(const QString& folder, const QString& name) {
    return withSeparator(folder) + name;
}
