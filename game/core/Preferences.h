// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game remembers between runs, and only that: the zoom step, full screen and sound.
// They live in the player's kazoola/KAZ.conf, an INI file, over the administrator's
// kazoola.conf (Settings.h), which gives the lab's defaults and may lock an item. A file that
// is damaged, or cannot be read, gives the defaults; one that cannot be written is left as it
// is and the game goes on: preferences are a comfort, never a reason to stop.
#pragma once

#include "Settings.h"

#include <QString>

struct Preferences {
    int zoom = 100; // a Zoom step, in percent
    bool fullScreen = false;
    bool sound = true;
    bool operator==(const Preferences&) const = default;
};

// Where the window keeps its preferences; tests hand in one that keeps them in memory.
class PreferenceStore {
public:
    virtual ~PreferenceStore() = default;
    virtual Preferences load() = 0;
    // True when they were kept.
    virtual bool save(const Preferences& preferences) = 0;
    // True when the administrator has fixed the item (a Settings key): the window shows it
    // but lets no one change it.
    virtual bool isLocked(const QString& /*key*/) const { return false; }
    // Both settings layers, for the items that are not preferences (the Language menu);
    // none here.
    virtual Settings::Layers layers() const { return {}; }
};

class PreferenceFile : public PreferenceStore {
public:
    // The player's file at path, over the system file at systemPath (none: no system file).
    explicit PreferenceFile(QString path, QString systemPath = QString());
    // kazoola/KAZ.conf in the player's settings folder (InstallFolders::userConfigFolder).
    static QString defaultPath();

    Preferences load() override;
    bool save(const Preferences& preferences) override;
    bool isLocked(const QString& key) const override { return layers_.isLocked(key); }
    Settings::Layers layers() const override { return layers_; }
    const QString& path() const { return path_; }
    // Both layers as read at the start, for the settings that are not preferences (folders).
    const Settings::Layers& settings() const { return layers_; }
    // What is wrong with the system file, one line each (see Settings::load).
    const QStringList& problems() const { return problems_; }

private:
    QString path_;
    QString systemPath_;
    Settings::Layers layers_;
    QStringList problems_;
};
