// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Preferences.h"

#include "InstallFolders.h"
#include "SafeFile.h"
#include "Zoom.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString ZoomKey = QStringLiteral("Zoom");
const QString FullScreenKey = QStringLiteral("FullScreen");
const QString SoundKey = QStringLiteral("Sound");
// Three short lines; anything much longer is not ours.
constexpr qint64 MostBytes = 64 * 1024;

// "true" or "false" as QSettings writes them; anything else keeps the default.
bool readFlag(const QSettings& settings, const QString& key, bool fallback) {
    const QString text = settings.value(key).toString().trimmed().toLower();
    if (text == u"true")
        return true;
    if (text == u"false")
        return false;
    return fallback;
}

QString flag(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace

QString PreferenceFile::defaultPath() {
    return QDir::cleanPath(InstallFolders::userConfigFolder() + QStringLiteral("/kazoola/KAZ.conf"));
}

Preferences PreferenceFile::load() {
    const Preferences defaults;
    // The file layer first: a FIFO, a device or a huge file is refused without blocking,
    // before QSettings opens it.
    if (!SafeFile::read(path_, MostBytes).ok)
        return defaults;
    const QSettings settings(path_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return defaults;
    Preferences read;
    bool number = false;
    const int zoom = settings.value(ZoomKey).toString().trimmed().toInt(&number);
    read.zoom = number && Zoom::isStep(zoom) ? zoom : defaults.zoom;
    read.fullScreen = readFlag(settings, FullScreenKey, defaults.fullScreen);
    read.sound = readFlag(settings, SoundKey, defaults.sound);
    return read;
}

bool PreferenceFile::save(const Preferences& preferences) {
    // A file we could not read is never written over: it may be another's, or not a file.
    if (const auto old = SafeFile::read(path_, MostBytes); !old.ok && !old.missing)
        return false;
    if (!SafeFile::makeFolders(QFileInfo(path_).absolutePath()).ok)
        return false;
    // The INI text QSettings reads, written through the file layer: the old file stays whole
    // on any failure, and no lock file can keep the game waiting.
    const QByteArray text = QStringLiteral("[General]\n%1=%2\n%3=%4\n%5=%6\n")
                                .arg(ZoomKey)
                                .arg(preferences.zoom)
                                .arg(FullScreenKey, flag(preferences.fullScreen))
                                .arg(SoundKey, flag(preferences.sound))
                                .toUtf8();
    return SafeFile::write(path_, text).ok;
}
