// The audio module: one audio output kept open, fed by a small mixer, so that ticks that
// follow each other quickly overlap instead of cutting each other off. Built as a plugin
// that KAZ opens on its first sound; nothing else links Qt Multimedia.
#include "SoundDevice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QMutex>
#include <QtEndian>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Reads as an endless stream: the sounds playing, added together, or silence.
class Mixer : public QIODevice {
public:
    void add(const QByteArray& pcm) {
        const QMutexLocker lock(&mutex_);
        if (voices_.size() >= MostVoices)
            voices_.erase(voices_.begin()); // the oldest gives way
        voices_.push_back({pcm, 0});
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1 << 16; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 frames = maxSize / 2;
        const QMutexLocker lock(&mutex_);
        for (qint64 i = 0; i < frames; ++i) {
            int sum = 0;
            for (Voice& voice : voices_)
                if (voice.at + 1 < voice.pcm.size()) {
                    sum += qFromLittleEndian<qint16>(voice.pcm.constData() + voice.at);
                    voice.at += 2;
                }
            qToLittleEndian(static_cast<qint16>(std::clamp(sum, -32768, 32767)), data + 2 * i);
        }
        std::erase_if(voices_, [](const Voice& v) { return v.at + 1 >= v.pcm.size(); });
        return frames * 2;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Voice {
        QByteArray pcm;
        qsizetype at;
    };
    static constexpr std::size_t MostVoices = 8;
    QMutex mutex_;
    std::vector<Voice> voices_;
};

class SinkDevice : public SoundDevice {
public:
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
        // About 50 ms: short enough for a tick to land on its lamp step.
        sink_->setBufferSize(sampleRate / 10);
        mixer_.open(QIODevice::ReadOnly);
        sink_->start(&mixer_);
        return sink_->error() == QAudio::NoError;
    }
    ~SinkDevice() override {
        if (sink_)
            sink_->stop();
    }
    void play(const QByteArray& pcm) override { mixer_.add(pcm); }

private:
    Mixer mixer_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundDevice* kazoolaOpenSoundDevice(int sampleRate) {
    auto device = std::make_unique<SinkDevice>();
    if (!device->open(sampleRate))
        return nullptr;
    return device.release();
}
