// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundPlayer.h"

#include "SoundDevice.h"
#include "TrustedCode.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMutex>
#include <QThread>
#include <cstdio>
#include <dlfcn.h>

struct SoundPlayer::Shared {
    QString modulePath;
    QMutex mutex;                  // guards device
    SoundDevice* device = nullptr; // set while the device is open and its thread runs
};

SoundPlayer::SoundPlayer(QString modulePath) : shared_(std::make_shared<Shared>()) {
    shared_->modulePath = std::move(modulePath);
}

SoundPlayer::~SoundPlayer() {
    if (!thread_)
        return;
    thread_->quit();
    // An audio system that hangs does not hold up the exit: the thread is left to the end of
    // the process, with the state it shares still alive.
    if (thread_->wait(QDeadlineTimer(500)))
        delete thread_;
}

QString SoundPlayer::modulePathFor(const QString& programFolder) {
    const QString name = QStringLiteral("kazoola-sound.so");
#ifdef KAZ_SOUND_MODULE_DIR
    // Installed: the module's place under the prefix; the build folder keeps it beside.
    const QString built = QFileInfo(QStringLiteral(KAZ_BUILD_BIN_DIR)).canonicalFilePath();
    if (built.isEmpty() || QFileInfo(programFolder).canonicalFilePath() != built)
        return QStringLiteral(KAZ_SOUND_MODULE_DIR "/") + name;
#endif
    return programFolder.isEmpty() ? QString() : QDir(programFolder).filePath(name);
}

void SoundPlayer::play(GameSound sound) {
    if (!thread_) {
        thread_ = QThread::create([shared = shared_] { run(shared); });
        thread_->start(QThread::LowPriority);
    }
    const auto index = static_cast<std::size_t>(sound);
    const QMutexLocker lock(&shared_->mutex);
    if (!shared_->device)
        return; // not ready yet, or no sound to be had
    if (samples_[index].isEmpty())
        samples_[index] = GameSoundSynth::samples(sound);
    shared_->device->play(samples_[index]);
}

void SoundPlayer::run(const std::shared_ptr<Shared>& shared) {
    // Only a module no one else could have put there is loaded, by its full resolved path:
    // nothing is searched for. One that is missing, or cannot load (no Qt Multimedia), leaves
    // the game silent, as having no audio output does.
    const QString& path = shared->modulePath;
    const QString real = TrustedCode::resolved(path); // judged and loaded as one path
    if (real.isEmpty())
        return;
    if (const QString why = TrustedCode::whyNotTrusted(real, TrustedCode::programOwner()); !why.isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("KAZ: no sound: %1 is not loaded, as %2\n").arg(path, why)),
                   stderr);
        return;
    }
    void* module = ::dlopen(QFile::encodeName(real).constData(), RTLD_NOW | RTLD_LOCAL);
    const auto open =
        module ? reinterpret_cast<OpenSoundDeviceFunction>(::dlsym(module, "kazoolaOpenSoundDevice"))
               : nullptr;
    if (!open)
        return;
    std::unique_ptr<SoundDevice> device(open(GameSoundSynth::SampleRate));
    if (!device)
        return;
    {
        const QMutexLocker lock(&shared->mutex);
        shared->device = device.get();
    }
    QEventLoop loop; // the audio output's timers run here until the player quits the thread
    loop.exec();
    const QMutexLocker lock(&shared->mutex);
    shared->device = nullptr;
}
