// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sound output on a real machine: the audio module is opened on the first sound,
// in a thread of its own, and every sound is handed over without waiting. Until the module is
// ready, and for good when there is no module or no audio output, sounds are dropped: the
// game is silent, with no message and no delay.
#pragma once

#include "GameSound.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>

class QThread;

class SoundPlayer : public SoundOutput {
public:
    // modulePath: the audio module, in full.
    explicit SoundPlayer(QString modulePath);
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(GameSound sound) override;

    // The one place the build put the module: beside the program in the portable folder
    // (and in the build folder), else in the lib/kazoola/ folder of the prefix it was built for.
    static QString modulePathFor(const QString& programFolder);

private:
    // What the audio thread shares with the window; the thread holds it too, so a thread
    // still stuck in the audio system at exit touches nothing that is gone.
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    QThread* thread_ = nullptr;
    std::array<QByteArray, 6> samples_;
};
