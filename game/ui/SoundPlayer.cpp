#include "SoundPlayer.h"

#include "SoundDevice.h"

#include <QDir>
#include <QEventLoop>
#include <QLibrary>
#include <QMutex>
#include <QThread>

struct SoundPlayer::Shared {
    QStringList modulePaths;
    QMutex mutex;                  // guards device
    SoundDevice* device = nullptr; // set while the device is open and its thread runs
};

SoundPlayer::SoundPlayer(QStringList modulePaths) : shared_(std::make_shared<Shared>()) {
    shared_->modulePaths = std::move(modulePaths);
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

QStringList SoundPlayer::modulePathsFor(const QString& programFolder) {
    const QDir folder(programFolder);
    return {folder.filePath(QStringLiteral("kazoola-sound.so")),
            QDir::cleanPath(folder.filePath(QStringLiteral("../lib/kazoola/kazoola-sound.so")))};
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
    OpenSoundDeviceFunction open = nullptr;
    for (const QString& path : shared->modulePaths) {
        QLibrary module(path);
        if (module.load() &&
            (open = reinterpret_cast<OpenSoundDeviceFunction>(module.resolve("kazoolaOpenSoundDevice"))))
            break;
    }
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
