// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Settings.h"

#include "InstallFolders.h"
#include "SafeFile.h"

#include <QDir>
#include <QStandardPaths>

namespace Settings {

namespace {
// A few short lines; anything much longer is not ours.
constexpr qint64 MostBytes = 64 * 1024;
const QString FileName = QStringLiteral("kazoola/kazoola.conf");
const QStringList Lockable = {ZoomKey, FullScreenKey, SoundKey, HighScoreFolderKey, SetsFolderKey, LanguageKey};

// Why a system value cannot be used, or nothing when it can.
QString valueProblem(const QString& key, const QString& value) {
    if (key == HighScoreFolderKey || key == SetsFolderKey)
        return QDir::isAbsolutePath(value) ? QString() : QStringLiteral("%1 must be a full path").arg(key);
    if (key == ZoomKey) {
        bool number = false;
        value.toInt(&number);
        return number ? QString() : QStringLiteral("Zoom must be a percentage such as 150");
    }
    if (key == FullScreenKey || key == SoundKey)
        return value == u"true" || value == u"false" ? QString()
                                                     : QStringLiteral("%1 must be true or false").arg(key);
    if (key == LanguageKey)
        return {}; // a language we do not ship means English, as for the system's
    if (key == LockedKey) {
        for (const QString& name : value.split(u',', Qt::SkipEmptyParts))
            if (!Lockable.contains(name.trimmed()))
                return QStringLiteral("Locked names %1, which is not a setting").arg(name.trimmed());
        return {};
    }
    return QStringLiteral("%1 is not a setting").arg(key);
}
} // namespace

bool Keys::has(const QString& key) const {
    for (const auto& [k, v] : entries)
        if (k == key)
            return true;
    return false;
}

QString Keys::value(const QString& key) const {
    for (const auto& [k, v] : entries)
        if (k == key)
            return v;
    return {};
}

void Keys::set(const QString& key, const QString& value) {
    for (auto& [k, v] : entries)
        if (k == key) {
            v = value;
            return;
        }
    entries.append({key, value});
}

void Keys::remove(const QString& key) {
    entries.removeIf([&](const auto& entry) { return entry.first == key; });
}

Parsed parse(const QByteArray& text) {
    Parsed p;
    bool general = true; // keys before any section are General's, as QSettings reads them
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return {{}, QStringLiteral("line %1: a section name is not closed").arg(i + 1)};
            general = line.sliced(1, line.size() - 2).trimmed() == u"General";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return {{}, QStringLiteral("line %1: it is not a key=value line").arg(i + 1)};
        if (general)
            p.keys.set(line.first(equals).trimmed(), line.sliced(equals + 1).trimmed());
    }
    return p;
}

QByteArray write(const Keys& keys) {
    QString text = QStringLiteral("[General]\n");
    for (const auto& [key, value] : keys.entries)
        text += key + u'=' + value + u'\n';
    return text.toUtf8();
}

Read readFile(const QString& path) {
    // The file layer first: a FIFO, a device or a huge file is refused without blocking.
    const FileResult<QByteArray> bytes = SafeFile::read(path, MostBytes);
    if (!bytes.ok)
        return {{}, bytes.missing ? QString() : bytes.error, bytes.missing};
    Parsed parsed = parse(bytes.value);
    return {std::move(parsed.keys), parsed.problem, false};
}

QString userFilePath() {
    return QDir::cleanPath(InstallFolders::userConfigFolder() + QStringLiteral("/kazoola/KAZ.conf"));
}

bool saveUserKeys(const QString& path, const QList<std::pair<QString, QString>>& values) {
    const FileResult<QByteArray> old = SafeFile::read(path, MostBytes);
    if (!old.ok && !old.missing)
        return false;
    Keys keys = old.ok ? parse(old.value).keys : Keys{};
    for (const auto& [key, value] : values)
        value.isEmpty() ? keys.remove(key) : keys.set(key, value);
    return SafeFile::makeFolders(QFileInfo(path).absolutePath()).ok && SafeFile::write(path, write(keys)).ok;
}

QStringList systemFolders() {
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    folders.removeAll(InstallFolders::userConfigFolder());
    return folders;
}

QString systemFilePath(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(FileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir(folders.value(0, QStringLiteral("/etc/xdg"))).filePath(FileName);
}

Layers::Layers(Keys system, Keys user) : system_(std::move(system)), user_(std::move(user)) {
    for (const QString& name : system_.value(LockedKey).split(u',', Qt::SkipEmptyParts))
        locked_ << name.trimmed();
}

QString Layers::value(const QString& key) const {
    return !isLocked(key) && user_.has(key) ? user_.value(key) : system_.value(key);
}

bool Layers::isLocked(const QString& key) const {
    return locked_.contains(key);
}

QString Layers::folder(const QString& key) const {
    const QString path = value(key);
    return QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QString();
}

QString setsFolder(const Layers& layers, const QString& dataFolder) {
    const QString chosen = layers.folder(SetsFolderKey);
    if (!chosen.isEmpty())
        return chosen + u'/';
    return dataFolder.isEmpty() ? QString() : dataFolder + QStringLiteral("sets/");
}

Loaded load(const QString& systemPath, const QString& userPath) {
    Loaded loaded;
    Read system = readFile(systemPath);
    if (!system.problem.isEmpty()) {
        loaded.problems << QStringLiteral("%1 is not used: %2").arg(systemPath, system.problem);
        system.keys = {};
    }
    for (const auto& [key, value] : Keys(system.keys).entries)
        if (const QString problem = valueProblem(key, value); !problem.isEmpty()) {
            loaded.problems << QStringLiteral("%1: %2; it is left out").arg(systemPath, problem);
            system.keys.remove(key);
        }
    Read user = readFile(userPath);
    loaded.layers = Layers(std::move(system.keys), std::move(user.keys));
    return loaded;
}

} // namespace Settings
