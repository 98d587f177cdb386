// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game's audio module (kazoola-sound.so, the one part that links Qt Multimedia)
// offers the game. KAZ opens the module on its first sound, in a thread of its own, so the
// audio library costs nothing at start-up and a slow or broken audio system never holds up
// the window.
#pragma once

#include <QByteArray>

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Mixes 16-bit mono PCM at the device's rate into what is playing; returns at once.
    // Safe from any thread.
    virtual void play(const QByteArray& pcm) = 0;
};

// The module's one entry point, resolved by name. Called in the thread the device then lives
// in (it needs that thread's event loop); null when there is no audio output to be had.
extern "C" {
using OpenSoundDeviceFunction = SoundDevice* (*)(int sampleRate);
SoundDevice* kazoolaOpenSoundDevice(int sampleRate);
}
