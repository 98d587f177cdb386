// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The audio module: one audio output kept open, fed by a small mixer, so that ticks that
// follow each other quickly overlap instead of cutting each other off. Built as a plugin
// that KAZ opens on its first sound; nothing else links Qt Multimedia.
#include "SoundDevice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIODevice>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QMutex>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// An endless stream: the sounds playing, added together, or silence. The output takes it in
// chunks, so a sound starts as far into the next chunk as it came after the last one: sounds
// asked for in quick succession (the wheel's ticks) keep their spacing instead of all
// starting at once. A sound asked for again before half of it has played is not stacked on
// itself, which would only make it louder until it clips.
class Mixer {
public:
    explicit Mixer(int sampleRate) : rate_(sampleRate) {}
    void add(const QByteArray& pcm) {
        const QMutexLocker lock(&mutex_);
        const qint64 since = lastRead_.isValid() ? lastRead_.nsecsElapsed() * rate_ / 1000000000 : 0;
        const qint64 start = produced_ + std::min<qint64>(since, rate_ / 2);
        for (const Voice& voice : voices_)
            if (voice.pcm.constData() == pcm.constData() && start - voice.start < pcm.size() / 4)
                return;
        if (voices_.size() >= MostVoices)
            voices_.erase(voices_.begin()); // the oldest gives way
        voices_.push_back({pcm, 0, start});
    }
    // The next maxSize bytes of the stream.
    qint64 read(char* data, qint64 maxSize) {
        const qint64 frames = maxSize / 2;
        const QMutexLocker lock(&mutex_);
        for (qint64 i = 0; i < frames; ++i) {
            const qint64 frame = produced_ + i;
            int sum = 0;
            for (Voice& voice : voices_)
                if (frame >= voice.start && voice.at + 1 < voice.pcm.size()) {
                    sum += qFromLittleEndian<qint16>(voice.pcm.constData() + voice.at);
                    voice.at += 2;
                }
            qToLittleEndian(static_cast<qint16>(std::clamp(sum, -32768, 32767)), data + 2 * i);
        }
        produced_ += frames;
        lastRead_.start();
        std::erase_if(voices_, [](const Voice& v) { return v.at + 1 >= v.pcm.size(); });
        return frames * 2;
    }

private:
    struct Voice {
        QByteArray pcm;
        qsizetype at;
        qint64 start; // the frame it begins at
    };
    static constexpr std::size_t MostVoices = 8;
    const int rate_;
    QMutex mutex_;
    std::vector<Voice> voices_;
    qint64 produced_ = 0; // frames read so far
    QElapsedTimer lastRead_;
};

class SinkDevice : public SoundDevice {
public:
    explicit SinkDevice(int sampleRate) : mixer_(sampleRate) {}
    bool open(int sampleRate) {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!output.isFormatSupported(format))
            return false;
        sink_ = std::make_unique<QAudioSink>(output, format);
        // About 100 ms of sound ahead: a tick lands close to its lamp step.
        sink_->setBufferSize(sampleRate * 2 / 10);
        // Pushed rather than pulled: Qt 6.4's PulseAudio output pulls too slowly to keep up.
        stream_ = sink_->start();
        if (!stream_ || sink_->error() != QAudio::NoError)
            return false;
        QObject::connect(&feed_, &QTimer::timeout, [this] { feed(); });
        feed_.start(10);
        feed();
        return true;
    }
    ~SinkDevice() override {
        if (sink_)
            sink_->stop();
    }
    void play(const QByteArray& pcm) override { mixer_.add(pcm); }

private:
    // Tops the output up to its whole buffer, silence included, so it never runs dry.
    void feed() {
        const qint64 room = sink_->bytesFree() & ~qint64(1);
        if (room <= 0)
            return;
        QByteArray chunk(room, Qt::Uninitialized);
        mixer_.read(chunk.data(), room);
        stream_->write(chunk);
    }

    Mixer mixer_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* stream_ = nullptr; // the sink's
    QTimer feed_;
};

QtMessageHandler passOn = nullptr;

// Qt Multimedia's complaints (no audio server, a device gone) are not the player's business:
// the game is simply silent. They come from the audio threads, in Qt Multimedia's categories
// or in the default one ("PulseAudioService: ..."), so those are held back there; what the
// window's thread says passes.
void keepAudioQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QCoreApplication* app = QCoreApplication::instance();
    const QLatin1StringView category(context.category ? context.category : "default");
    if (app && QThread::currentThread() != app->thread() &&
        (category == QLatin1StringView("default") || category.startsWith(QLatin1StringView("qt.multimedia"))))
        return;
    passOn(type, context, message);
}

} // namespace

extern "C" Q_DECL_EXPORT SoundDevice* kazoolaOpenSoundDevice(int sampleRate) {
    if (!passOn) { // opened once, from the game's audio thread
        QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
        passOn = qInstallMessageHandler(keepAudioQuiet);
    }
    auto device = std::make_unique<SinkDevice>(sampleRate);
    if (!device->open(sampleRate))
        return nullptr;
    return device.release();
}
