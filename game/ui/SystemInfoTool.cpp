// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemInfoTool.h"

#include "SafeFile.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {
#ifdef Q_OS_WIN
const QString Separator = QStringLiteral("\\");

bool registryText(const QString& key, const QString& value, QString& text) {
    const QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
    text = settings.value(value).toString();
    return settings.contains(value);
}
#else
const QString Separator = QStringLiteral("/");

// Desktop entries of system-information programs, the most complete first.
const char* const DesktopEntries[] = {"org.kde.kinfocenter.desktop", "kinfocenter.desktop",
                                      "hardinfo2.desktop", "hardinfo.desktop"};
#endif
} // namespace

QString SystemInfo::toolPathIn(const QString& folder, const QString& toolFileName) {
    return folder + Separator + toolFileName;
}

QString SystemInfo::execFromDesktopEntry(const QByteArray& entry) {
    bool inMainGroup = false;
    for (const QByteArray& rawLine : entry.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || line.left(eq).trimmed() != QLatin1String("Exec"))
            continue;
        const QString value = line.mid(eq + 1).trimmed();
        QString command;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value.at(i) == u'%' && i + 1 < value.size()) {
                if (value.at(i + 1) == u'%')
                    command += u'%';
                ++i; // a field code is filled in by a launcher; we start the tool bare
                continue;
            }
            command += value.at(i);
        }
        return command.simplified();
    }
    return QString();
}

bool SystemInfo::startTool(SystemInfoTool& tool) {
    QString path;
    if (tool.firstLookup(path))
        return tool.start(path); // named outright: no existence test, a failed start says it all
    QString folder;
    if (!tool.secondLookup(folder))
        return false;
    path = toolPathIn(folder, tool.toolFileName());
    if (!tool.fileExists(path))
        return false;
    return tool.start(path);
}

bool PlatformSystemInfoTool::firstLookup(QString& path) {
    path.clear();
#ifdef Q_OS_WIN
    return registryText(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
                        path);
#else
    for (const char* id : DesktopEntries) {
        const QString file =
            QStandardPaths::locate(QStandardPaths::ApplicationsLocation, QString::fromLatin1(id));
        if (file.isEmpty())
            continue;
        const FileResult<QByteArray> entry = SafeFile::read(file, 64 * 1024, SafeFile::Longer::ReadStart);
        if (!entry.ok)
            continue;
        QStringList words = QProcess::splitCommand(SystemInfo::execFromDesktopEntry(entry.value));
        if (words.isEmpty())
            continue;
        QString program = words.takeFirst();
        if (QFileInfo(program).isRelative()) {
            const QString found = QStandardPaths::findExecutable(program);
            if (!found.isEmpty())
                program = found;
        }
        entryProgram_ = program;
        entryArguments_ = words;
        path = program;
        return true;
    }
    return false;
#endif
}

bool PlatformSystemInfoTool::secondLookup(QString& folder) {
    folder.clear();
#ifdef Q_OS_WIN
    return registryText(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                        QStringLiteral("MSINFO"), folder);
#else
    for (const QString& candidate : {QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/bin")}) {
        if (QFileInfo::exists(SystemInfo::toolPathIn(candidate, toolFileName()))) {
            folder = candidate;
            return true;
        }
    }
    // The usual folder all the same: the existence test that follows has the last word.
    folder = QStringLiteral("/usr/bin");
    return QFileInfo(folder).isDir();
#endif
}

QString PlatformSystemInfoTool::toolFileName() const {
#ifdef Q_OS_WIN
    return QStringLiteral("MSINFO32.EXE");
#else
    return QStringLiteral("hardinfo");
#endif
}

bool PlatformSystemInfoTool::fileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

bool PlatformSystemInfoTool::start(const QString& path) {
    const QStringList arguments = path == entryProgram_ ? entryArguments_ : QStringList();
    return QProcess::startDetached(path, arguments);
}
