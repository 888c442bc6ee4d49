// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtsoundplayer.h"

#include "platform/soundfeed.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QTimer>
#include <QtDebug>
#include <optional>

namespace platform {
namespace {
Q_LOGGING_CATEGORY(lcSound, "corvella.sound", QtWarningMsg)

// The stream's format until a sound asks for another: the content's.
constexpr int kStreamRate = 22050;
constexpr int kStreamChannels = 1;
// What the server holds ahead of the speaker: the longest a sound waits
// behind the one it replaces, and the longest the program may be too busy
// to top the stream up.
constexpr int kBufferMs = 200;
// How often the stream is topped up while it runs.
constexpr int kPumpMs = 10;
} // namespace

// The output streams and what feeds them; lives in the player's thread.
//
// A stream is opened ahead of the sound it will play, so a sound costs no
// connection and starts on an empty stream, at once. A sound gets a stream
// of its own: it is given the sound and a buffer's worth of silence after
// it, then nothing, and it is closed once it has run dry (every byte played)
// or when the next sound replaces it. A stream that ran dry is never fed
// again: Qt drains it, and some servers then play nothing more of it. One
// that runs dry in the middle of a sound (the machine too busy to top it up)
// hands the rest of the sound to a fresh stream.
class SoundOutput : public QObject {
public:
    SoundOutput() : pump_(new QTimer(this)) {
        pump_->setTimerType(Qt::PreciseTimer);
        pump_->setInterval(kPumpMs);
        connect(pump_, &QTimer::timeout, this, &SoundOutput::pump);
    }
    ~SoundOutput() override {
        close(playing_);
        close(ready_);
    }

    // Opens the stream for the next sound, unless one is ready in that format.
    bool prepare(int sampleRate, int channels);
    void play(std::shared_ptr<const DecodedSound> sound);

private:
    struct Stream {
        QAudioSink* sink = nullptr;
        QIODevice* output = nullptr; // the sink's
        std::optional<SoundFeed> feed;
    };

    void close(std::unique_ptr<Stream>& stream);
    void pump();
    void onStateChanged(QAudioSink* sink, QAudio::State state);

    QTimer* pump_;
    std::unique_ptr<Stream> ready_;   // opened, not yet given anything
    std::unique_ptr<Stream> playing_; // the sound being played, or its end
    bool warned_ = false;
};

bool SoundOutput::prepare(int sampleRate, int channels) {
    if (ready_) {
        const QAudioFormat f = ready_->sink->format();
        if (f.sampleRate() == sampleRate && f.channelCount() == channels)
            return true;
        close(ready_);
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        if (!warned_)
            qWarning("No sound device: sounds are switched off until one appears.");
        warned_ = true;
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    auto stream = std::make_unique<Stream>();
    stream->sink = new QAudioSink(device, format, this);
    stream->sink->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
    stream->output = stream->sink->start();
    if (!stream->output || stream->sink->error() != QAudio::NoError) {
        delete stream->sink;
        return false;
    }
    connect(stream->sink, &QAudioSink::stateChanged, this,
            [this, sink = stream->sink](QAudio::State state) { onStateChanged(sink, state); });
    stream->feed.emplace(format.bytesPerFrame(), format.bytesForDuration(kBufferMs * 1000));
    ready_ = std::move(stream);
    return true;
}

void SoundOutput::close(std::unique_ptr<Stream>& stream) {
    if (!stream)
        return;
    stream->sink->disconnect(this);
    stream->sink->stop(); // whatever it still holds is dropped
    stream->sink->deleteLater();
    stream.reset();
}

void SoundOutput::onStateChanged(QAudioSink* sink, QAudio::State state) {
    if (state == QAudio::StoppedState && sink->error() != QAudio::NoError) {
        // The server went away (or refused the stream): start afresh at
        // the next sound, when it may be back.
        qWarning("The sound server closed the stream: it is opened again for the next sound.");
        pump_->stop();
        close(playing_);
        close(ready_);
        return;
    }
    if (state != QAudio::IdleState || !playing_ || playing_->sink != sink)
        return;
    if (playing_->feed->finished()) {
        close(playing_); // played to its end
        return;
    }
    // Ran dry in the middle of the sound: a fresh stream goes on with it.
    qCInfo(lcSound) << "the stream ran dry in the middle of a sound";
    const QAudioFormat f = sink->format();
    std::optional<SoundFeed> feed = std::move(playing_->feed);
    close(playing_);
    if (prepare(f.sampleRate(), f.channelCount())) {
        playing_ = std::move(ready_);
        playing_->feed = std::move(feed);
        pump();
        pump_->start();
    }
}

void SoundOutput::pump() {
    if (!playing_) {
        pump_->stop();
        return;
    }
    Stream& s = *playing_;
    const qint64 room = s.sink->bytesFree();
    if (room > 0) {
        QByteArray block(room, Qt::Uninitialized);
        const qint64 n = s.feed->read(block.data(), room);
        if (n > 0)
            s.output->write(block.constData(), n);
    }
    if (s.feed->finished())
        pump_->stop(); // the stream runs dry once the server has played it all
}

void SoundOutput::play(std::shared_ptr<const DecodedSound> sound) {
    if (!prepare(sound->sampleRate, sound->channels))
        return;
    // One sound at a time: a new one replaces the one still playing.
    close(playing_);
    playing_ = std::move(ready_);
    playing_->feed->start(std::move(sound));
    pump(); // as much as the server takes now, the rest as it plays
    pump_->start();
    // The stream for the next sound, once this one is under way.
    const QAudioFormat f = playing_->sink->format();
    QMetaObject::invokeMethod(
        this, [this, f] { prepare(f.sampleRate(), f.channelCount()); }, Qt::QueuedConnection);
}

QtSoundPlayer::QtSoundPlayer(ContentPathResolver resolve)
    : resolve_(resolve), output_(new SoundOutput) {
    thread_.setObjectName(QStringLiteral("sound output"));
    output_->moveToThread(&thread_);
    thread_.start();
    // Connected now, so the first click costs no connection.
    QMetaObject::invokeMethod(
        output_, [output = output_] { output->prepare(kStreamRate, kStreamChannels); });
    if (QCoreApplication* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &QtSoundPlayer::stop);
}

QtSoundPlayer::~QtSoundPlayer() {
    stop();
}

// The streams are closed in their own thread while the application still
// runs: once it has gone, that thread can no longer be asked to do anything.
void QtSoundPlayer::stop() {
    if (!output_)
        return;
    QMetaObject::invokeMethod(
        output_, [output = output_] { delete output; }, Qt::BlockingQueuedConnection);
    output_ = nullptr;
    thread_.quit();
    thread_.wait();
}

std::shared_ptr<const DecodedSound> QtSoundPlayer::decoded(const QString& contentPath) {
    const QString key = contentPath.toLower();
    auto it = cache_.constFind(key);
    if (it != cache_.constEnd())
        return *it;
    std::shared_ptr<const DecodedSound> sound;
    if (auto d = decodeSoundFile(resolve_(contentPath)))
        sound = std::make_shared<const DecodedSound>(std::move(*d));
    cache_.insert(key, sound); // a missing file is remembered too
    return sound;
}

void QtSoundPlayer::play(const QString& contentPath) {
    if (!output_)
        return; // the program is ending
    auto sound = decoded(contentPath);
    if (!sound || sound->samples.isEmpty())
        return;
    QMetaObject::invokeMethod(output_, [output = output_, sound] { output->play(sound); });
}

} // namespace platform
