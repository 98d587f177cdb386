// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sounds, made by our own few lines of synthesis rather than recorded: sine tones
// under a short envelope. Each sound is 16-bit signed mono PCM, little-endian, at the rate
// asked for, ready for any audio output.
#pragma once

#include <QByteArray>

enum class GameSound {
    Tick,          // one lamp step while the wheel turns
    Chime,         // a letter found
    Miss,          // a letter not in the puzzle
    AllPointsLost, // the wheel took every point
    Fanfare,       // the right answer
    Wrong          // a wrong answer
};

// Where the window sends its sounds. Playing never waits: a sound that cannot be played now
// is dropped.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(GameSound sound) = 0;
};

namespace GameSoundSynth {
inline constexpr int SampleRate = 22050;
QByteArray samples(GameSound sound, int sampleRate = SampleRate);
} // namespace GameSoundSynth
