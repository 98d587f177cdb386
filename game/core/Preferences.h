// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game remembers between runs, and only that: the zoom step, full screen and sound.
// They live in $XDG_CONFIG_HOME/kazoola/KAZ.conf, an INI file. A file that is damaged, or
// cannot be read, gives the defaults without a word; one that cannot be written is left as it
// is and the game goes on: preferences are a comfort, never a reason to stop.
#pragma once

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
};

class PreferenceFile : public PreferenceStore {
public:
    explicit PreferenceFile(QString path) : path_(std::move(path)) {}
    // kazoola/KAZ.conf in the player's settings folder (InstallFolders::userConfigFolder).
    static QString defaultPath();

    Preferences load() override;
    bool save(const Preferences& preferences) override;
    const QString& path() const { return path_; }

private:
    QString path_;
};
