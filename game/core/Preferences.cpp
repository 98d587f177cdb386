// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Preferences.h"

#include "InstallFolders.h"
#include "SafeFile.h"
#include "Zoom.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

namespace {
using namespace Settings;
// A few short lines; anything much longer is not ours.
constexpr qint64 MostBytes = 64 * 1024;

// "true" or "false" as QSettings writes them; anything else keeps the fallback.
bool readFlag(const QString& value, bool fallback) {
    const QString text = value.trimmed().toLower();
    if (text == u"true")
        return true;
    if (text == u"false")
        return false;
    return fallback;
}

QString flag(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

int readZoom(const QString& value, int fallback) {
    bool number = false;
    const int zoom = value.trimmed().toInt(&number);
    return number && Zoom::isStep(zoom) ? zoom : fallback;
}

// The preferences a set of keys gives, each missing or unusable one from fallback.
Preferences readPreferences(const std::function<QString(const QString&)>& value, const Preferences& fallback) {
    return {readZoom(value(ZoomKey), fallback.zoom), readFlag(value(FullScreenKey), fallback.fullScreen),
            readFlag(value(SoundKey), fallback.sound)};
}
} // namespace

PreferenceFile::PreferenceFile(QString path, QString systemPath)
    : path_(std::move(path)), systemPath_(std::move(systemPath)) {
    Loaded loaded = Settings::load(systemPath_, path_);
    layers_ = std::move(loaded.layers);
    problems_ = std::move(loaded.problems);
    // A number that is not a step: Settings knows only that it is a number.
    if (const QString zoom = layers_.defaultValue(ZoomKey); !zoom.isEmpty() && !Zoom::isStep(zoom.toInt())) {
        QStringList steps;
        for (const int step : Zoom::Steps)
            steps << QString::number(step);
        problems_ << QStringLiteral("%1: Zoom must be one of %2; it is left out").arg(systemPath_, steps.join(u", "));
    }
}

QString PreferenceFile::defaultPath() {
    return Settings::userFilePath();
}

Preferences PreferenceFile::load() {
    // Read again: another window of the game may have changed them since.
    layers_ = Settings::load(systemPath_, path_).layers;
    const Preferences lab = readPreferences([&](const QString& k) { return layers_.defaultValue(k); }, {});
    return readPreferences([&](const QString& k) { return layers_.value(k); }, lab);
}

bool PreferenceFile::save(const Preferences& preferences) {
    // A file we could not read is never written over: it may be another's, or not a file.
    const FileResult<QByteArray> old = SafeFile::read(path_, MostBytes);
    if (!old.ok && !old.missing)
        return false;
    if (!SafeFile::makeFolders(QFileInfo(path_).absolutePath()).ok)
        return false;
    // Only what differs from the lab's default is the player's own: a default the
    // administrator changes later reaches them. A locked item is not theirs to keep.
    const Preferences lab = readPreferences([&](const QString& k) { return layers_.defaultValue(k); }, {});
    Keys keys = old.ok ? Settings::parse(old.value).keys : Keys{}; // the player's other keys stay
    const std::pair<QString, QString> values[] = {{ZoomKey, QString::number(preferences.zoom)},
                                                  {FullScreenKey, flag(preferences.fullScreen)},
                                                  {SoundKey, flag(preferences.sound)}};
    const QString defaults[] = {QString::number(lab.zoom), flag(lab.fullScreen), flag(lab.sound)};
    for (int i = 0; i < 3; ++i) {
        const auto& [key, value] = values[i];
        if (layers_.isLocked(key))
            continue;
        if (value == defaults[i])
            keys.remove(key);
        else
            keys.set(key, value);
    }
    // Written through the file layer: the old file stays whole on any failure, and no lock
    // file can keep the game waiting.
    return SafeFile::write(path_, Settings::write(keys)).ok;
}
