// The game's sound output on a real machine: the audio module is opened on the first sound,
// in a thread of its own, and every sound is handed over without waiting. Until the module is
// ready, and for good when there is no module or no audio output, sounds are dropped: the
// game is silent, with no message and no delay.
#pragma once

#include "GameSound.h"

#include <QByteArray>
#include <QStringList>
#include <array>
#include <memory>

class QThread;

class SoundPlayer : public SoundOutput {
public:
    // modulePaths: where to look for the audio module, in order.
    explicit SoundPlayer(QStringList modulePaths);
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(GameSound sound) override;

    // Beside the program, then in ../lib/kazoola/ as the installed layout has it.
    static QStringList modulePathsFor(const QString& programFolder);

private:
    // What the audio thread shares with the window; the thread holds it too, so a thread
    // still stuck in the audio system at exit touches nothing that is gone.
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    QThread* thread_ = nullptr;
    std::array<QByteArray, 6> samples_;
};
