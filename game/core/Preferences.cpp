// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Preferences.h"

#include "Zoom.h"

#include <functional>

namespace {
using namespace Settings;

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
    // Only what differs from the lab's default is the player's own (an empty value drops the
    // key): a default the administrator changes later reaches them. A locked item is not
    // theirs to keep. The player's other keys stay.
    const Preferences lab = readPreferences([&](const QString& k) { return layers_.defaultValue(k); }, {});
    const std::pair<QString, QString> values[] = {{ZoomKey, QString::number(preferences.zoom)},
                                                  {FullScreenKey, flag(preferences.fullScreen)},
                                                  {SoundKey, flag(preferences.sound)}};
    const QString defaults[] = {QString::number(lab.zoom), flag(lab.fullScreen), flag(lab.sound)};
    QList<std::pair<QString, QString>> changes;
    for (int i = 0; i < 3; ++i)
        if (!layers_.isLocked(values[i].first))
            changes.append({values[i].first, values[i].second == defaults[i] ? QString() : values[i].second});
    return Settings::saveUserKeys(path_, changes);
}
