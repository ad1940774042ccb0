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

bool isMultimediaCategory(const char *name)
{
    return qstrncmp(name, "qt.multimedia", 13) == 0;
}

// The audio back-end reports a missing device or sound server on the console;
// the program says nothing there in normal use. Its own categories are
// switched off for good.
QLoggingCategory::CategoryFilter previousFilter = nullptr;

void quietMultimediaCategories(QLoggingCategory *category)
{
    if (isMultimediaCategory(category->categoryName())) {
        for (QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg})
            category->setEnabled(type, false);
    } else if (previousFilter) {
        previousFilter(category);
    }
}

void installQuietFilter()
{
    static const bool installed = [] {
        previousFilter = QLoggingCategory::installFilter(quietMultimediaCategories);
        return true;
    }();
    Q_UNUSED(installed);
}

// The sound-server back-end also warns in the default category while it looks
// for a server ("PulseAudioService: pa_context_connect() failed"). Such
// messages are dropped only while the device is being looked up or opened;
// every other message goes on to the handler in place.
class QuietDeviceLookup
{
public:
    QuietDeviceLookup() { s_previous = qInstallMessageHandler(drop); }
    ~QuietDeviceLookup() { qInstallMessageHandler(s_previous); }
    QuietDeviceLookup(const QuietDeviceLookup &) = delete;
    QuietDeviceLookup &operator=(const QuietDeviceLookup &) = delete;

private:
    static void drop(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        const char *category = context.category ? context.category : "default";
        if (qstrcmp(category, "default") == 0 || isMultimediaCategory(category))
            return;
        s_previous(type, context, message);
    }

    static inline QtMessageHandler s_previous = nullptr;
};
} // namespace

struct AudioBeeper::Stream
{
    QAudioSink *sink = nullptr;
    QIODevice *io = nullptr;
    QTimer feeder;
    QAudioFormat format;
    int owed = 0;
    int toneFrame = -1; // frame of the tone being played, -1 while silent

    static int toneFrames() { return sampleRate * toneMs / 1000; }
    static double toneSample(int frame);
    void feed();
};

// A sine burst whose ends are faded so that it starts and stops without a
// click.
double AudioBeeper::Stream::toneSample(int frame)
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

// Fills the room free in the stream: the tone while beeps are owed, silence
// otherwise, so that the stream never runs dry and never lags behind.
void AudioBeeper::Stream::feed()
{
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
    const QuietDeviceLookup quiet;
    return !QMediaDevices::defaultAudioOutput().isNull();
}

// Opens the stream at the first beep, so that a run with the sound off never
// touches the audio device. Without a device the beeper stays silent.
void AudioBeeper::open()
{
    m_stream = std::make_unique<Stream>();
    const QuietDeviceLookup quiet;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelCount(1);
    if (!device.isFormatSupported(format))
        format.setChannelCount(2);
    if (!device.isFormatSupported(format))
        return;
    auto *sink = new QAudioSink(device, format, this);
    QIODevice *io = sink->start();
    if (!io) {
        delete sink;
        return;
    }
    m_stream->format = format;
    m_stream->sink = sink;
    m_stream->io = io;
    m_stream->feeder.setTimerType(Qt::PreciseTimer);
    m_stream->feeder.setInterval(feedMs);
    connect(&m_stream->feeder, &QTimer::timeout, this, [this] { m_stream->feed(); });
    m_stream->feeder.start();
}

void AudioBeeper::beep()
{
    if (!m_stream)
        open();
    if (m_stream->io)
        m_stream->owed = std::min(m_stream->owed + 1, maxOwed);
}
