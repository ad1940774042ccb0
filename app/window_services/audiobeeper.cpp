// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/audiobeeper.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QIODevice>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int sampleRate = 22050;
constexpr double toneHz = 1000.0;
constexpr int toneMs = 30;
constexpr int fadeMs = 3;
constexpr int feedMs = 5;
// At a 1 ms tick beeps are asked for far faster than they play: a few owed
// are enough to keep the tone continuous without queueing seconds of sound.
constexpr int maxOwed = 4;

QLoggingCategory::CategoryFilter previousFilter = nullptr;

// The audio back-end reports a missing device or sound server on the
// console; the program says nothing there in normal use.
void quietMultimedia(QLoggingCategory *category)
{
    if (qstrncmp(category->categoryName(), "qt.multimedia", 13) == 0) {
        category->setEnabled(QtDebugMsg, false);
        category->setEnabled(QtInfoMsg, false);
        category->setEnabled(QtWarningMsg, false);
        category->setEnabled(QtCriticalMsg, false);
    } else if (previousFilter) {
        previousFilter(category);
    }
}

void installQuietFilter()
{
    static const bool installed = [] {
        previousFilter = QLoggingCategory::installFilter(quietMultimedia);
        return true;
    }();
    Q_UNUSED(installed);
}
} // namespace

struct AudioBeeper::Stream
{
    QAudioSink *sink = nullptr;
    QIODevice *io = nullptr;
    QTimer feeder;
    QAudioFormat format;
    int owed = 0;
    int toneFrame = -1; // frame of the tone being played, -1 while silent
    bool failed = false;

    int toneFrames() const { return sampleRate * toneMs / 1000; }
    double toneSample(int frame) const;
    void feed();
};

// A sine burst whose ends are faded so that it starts and stops without a
// click.
double AudioBeeper::Stream::toneSample(int frame) const
{
    const int fade = sampleRate * fadeMs / 1000;
    const int frames = toneFrames();
    double gain = 0.4;
    if (frame < fade)
        gain *= double(frame) / fade;
    else if (frame > frames - fade)
        gain *= double(frames - frame) / fade;
    return gain * std::sin(2.0 * std::numbers::pi * toneHz * frame / sampleRate);
}

void AudioBeeper::Stream::feed()
{
    if (!sink || !io)
        return;
    const int channels = format.channelCount();
    const int frameBytes = format.bytesPerFrame();
    const int frames = int(sink->bytesFree()) / frameBytes;
    if (frames <= 0)
        return;
    QByteArray chunk(frames * frameBytes, Qt::Uninitialized);
    auto *out = reinterpret_cast<qint16 *>(chunk.data());
    for (int f = 0; f < frames; ++f) {
        if (toneFrame < 0 && owed > 0)
            toneFrame = 0;
        double value = 0.0;
        if (toneFrame >= 0) {
            value = toneSample(toneFrame);
            if (++toneFrame >= toneFrames()) {
                toneFrame = -1;
                --owed;
            }
        }
        const auto sample = qint16(std::lround(value * 32767.0));
        for (int c = 0; c < channels; ++c)
            *out++ = sample;
    }
    io->write(chunk);
}

AudioBeeper::AudioBeeper(QObject *parent) : QObject(parent)
{
    installQuietFilter();
}

AudioBeeper::~AudioBeeper()
{
    if (m_stream && m_stream->sink)
        m_stream->sink->stop();
}

bool AudioBeeper::hasDevice() const
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void AudioBeeper::beep()
{
    if (!m_stream) {
        // The stream opens at the first beep, so that a program run with the
        // sound off never touches the audio device.
        m_stream = std::make_unique<Stream>();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isNull() && !device.isFormatSupported(format))
            format.setChannelCount(2);
        if (device.isNull() || !device.isFormatSupported(format)) {
            m_stream->failed = true;
            return;
        }
        m_stream->format = format;
        m_stream->sink = new QAudioSink(device, format, this);
        m_stream->io = m_stream->sink->start();
        if (!m_stream->io) {
            m_stream->failed = true;
            return;
        }
        m_stream->feeder.setTimerType(Qt::PreciseTimer);
        m_stream->feeder.setInterval(feedMs);
        connect(&m_stream->feeder, &QTimer::timeout, this, [this] { m_stream->feed(); });
        m_stream->feeder.start();
    }
    if (m_stream->failed)
        return;
    m_stream->owed = std::min(m_stream->owed + 1, maxOwed);
}
