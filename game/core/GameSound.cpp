// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameSound.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace {

// One note: a sine gliding from one frequency to another, rising in attackMs and dying away
// over the rest (decay > 0: an exponential fall, the bell of a chime; 0: held, then a short fade).
struct Note {
    double startHz, endHz;
    int ms;
    double loudness; // 0..1 of full scale
    double decay;    // per second
    int attackMs = 4;
};

void addNote(std::vector<double>& out, const Note& note, int rate) {
    const int count = note.ms * rate / 1000;
    const int attack = std::max(1, note.attackMs * rate / 1000);
    const int fade = std::min(count, rate / 100); // 10 ms to silence, so no note ends in a click
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double hz = note.startHz + (note.endHz - note.startHz) * i / std::max(1, count - 1);
        phase += 2 * std::numbers::pi * hz / rate;
        double envelope = note.decay > 0 ? std::exp(-note.decay * t) : 1.0;
        envelope *= std::min(1.0, static_cast<double>(i) / attack);
        envelope *= std::min(1.0, static_cast<double>(count - i) / fade);
        out.push_back(note.loudness * envelope * std::sin(phase));
    }
}

std::vector<Note> score(GameSound sound) {
    switch (sound) {
    case GameSound::Tick:
        return {{1800, 1800, 12, 0.25, 250, 1}};
    case GameSound::Chime:
        return {{1318.5, 1318.5, 350, 0.45, 9}};
    case GameSound::Miss:
        return {{196, 196, 300, 0.5, 4, 8}};
    case GameSound::AllPointsLost:
        return {{660, 140, 800, 0.5, 1.5, 8}};
    case GameSound::Fanfare:
        return {{523.25, 523.25, 130, 0.45, 3},
                {659.25, 659.25, 130, 0.45, 3},
                {783.99, 783.99, 130, 0.45, 3},
                {1046.5, 1046.5, 450, 0.45, 3}};
    case GameSound::Wrong:
        return {{233, 233, 450, 0.45, 0, 8}};
    }
    return {};
}

} // namespace

QByteArray GameSoundSynth::samples(GameSound sound, int sampleRate) {
    std::vector<double> wave;
    for (const Note& note : score(sound))
        addNote(wave, note, sampleRate);
    QByteArray pcm(static_cast<qsizetype>(wave.size() * 2), Qt::Uninitialized);
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const auto value = static_cast<qint16>(std::lround(std::clamp(wave[i], -1.0, 1.0) * 32767));
        qToLittleEndian(value, pcm.data() + 2 * i);
    }
    return pcm;
}
