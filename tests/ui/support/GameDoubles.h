// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Null-object services for the game, and the wiring of GameServices from them: every service
// is required, so code that should not show, wait for or start anything gets doubles that do
// nothing. Header-only, for the widget tests as well as the fuzzers and the stress test,
// which link the game's rules without any window.
#pragma once

#include "GameServices.h"
#include "GameSound.h"
#include "Preferences.h"
#include "ScriptedUi.h"
#include "SystemInfoTool.h"
#include "UiLayer.h"
#include "Wheel.h"

#include <QCoreApplication>
#include <functional>

// Every box answered at once as if dismissed: OK, No, Cancel; no window is shown.
class NullUi : public UiLayer {
public:
    MsgResult messageBox(QWidget*, const QString&, const QString&, MsgButtons buttons, MsgIcon) override {
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
    }
    QString inputBox(QWidget*, const QString&, const QString&) override { return {}; }
    QString openFileDialog(QWidget*, const FileDialogOptions&) override { return {}; }
    QString saveFileDialog(QWidget*, const FileDialogOptions&) override { return {}; }
    void showModal(QDialog&) override {}
};

// A wheel pace that never waits; onFrame lets a test act in the middle of a spin.
class InstantPace : public SpinPace {
public:
    qint64 frameMs = Wheel::FrameMs, now = 0;
    int frames = 0;
    std::function<void()> onFrame;
    void start() override { now = 0, frames = 0; }
    qint64 elapsedMs() const override { return now; }
    void nextFrame() override {
        now += frameMs, ++frames;
        QCoreApplication::processEvents();
        if (onFrame)
            onFrame();
    }
};

// A platform with no system-information tool: nothing is ever started.
class NoSystemInfoTool : public SystemInfoTool {
public:
    bool firstLookup(QString& path) override {
        path.clear();
        return false;
    }
    bool secondLookup(QString&) override { return false; }
    QString toolFileName() const override { return {}; }
    bool fileExists(const QString&) override { return false; }
    bool start(const QString&) override { return false; }
};

// Sounds heard, in order, and nothing played.
class RecordingSound : public SoundOutput {
public:
    QList<GameSound> played;
    void play(GameSound sound) override { played.append(sound); }
};

// Preferences kept in memory: a test starts from any and reads what the window saved.
class MemoryPreferences : public PreferenceStore {
public:
    Preferences stored;
    int saves = 0;
    QStringList locked; // the administrator's Locked keys
    Preferences load() override { return stored; }
    bool isLocked(const QString& key) const override { return locked.contains(key); }
    bool save(const Preferences& preferences) override {
        stored = preferences;
        ++saves;
        return true;
    }
};

// The game's services from doubles: 25 Feb 2001 at noon, draws of 0, boxes dismissed, a
// wheel that never waits, no system tool,
// sounds only recorded, preferences only in memory. A test puts its own double in a field before
// asking for services() (or sets the returned pointer), e.g. a ScriptedUi.
struct NullServices {
    NullUi ui;
    FixedClock clock;
    ScriptedRandom random;
    InstantPace pace;
    NoSystemInfoTool sysInfo;
    RecordingSound sound;
    MemoryPreferences preferences;

    GameServices services(const QString& folder = QString(), const QString& scoreFolder = QString()) {
        return GameServices(ui, clock, random, pace, sysInfo, sound, preferences, folder, scoreFolder);
    }
};
