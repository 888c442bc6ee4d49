// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtsoundplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QtDebug>

namespace platform {
namespace {
// What the server holds ahead of the speaker: the longest a sound waits
// behind the one it replaces, and the longest stall of the event loop a
// sound rides out.
constexpr int kBufferMs = 40;
// How often the stream is topped up while a sound plays.
constexpr int kPumpMs = 10;
} // namespace

QtSoundPlayer::QtSoundPlayer(ContentPathResolver resolve) : resolve_(resolve) {
    pumpTimer_.setTimerType(Qt::PreciseTimer);
    pumpTimer_.setInterval(kPumpMs);
    connect(&pumpTimer_, &QTimer::timeout, this, &QtSoundPlayer::pump);
    // Connected now, so the first click costs no connection.
    openStream(kStreamRate, kStreamChannels);
}

QtSoundPlayer::~QtSoundPlayer() {
    closeStream();
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

bool QtSoundPlayer::openStream(int sampleRate, int channels) {
    if (sink_ && rate_ == sampleRate && channels_ == channels)
        return true;
    // Another format: the stream is opened again in that one (a sound still
    // playing in the old one is replaced, as any sound is).
    closeStream();
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
    auto* sink = new QAudioSink(device, format, this);
    sink->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
    QIODevice* output = sink->start();
    if (!output || sink->error() != QAudio::NoError) {
        delete sink;
        return false;
    }
    connect(sink, &QAudioSink::stateChanged, this, &QtSoundPlayer::onStateChanged);
    sink_ = sink;
    output_ = output;
    rate_ = sampleRate;
    channels_ = channels;
    // The silence after a sound fills the server's buffer twice over, so
    // that its last samples are played, not left waiting for more.
    feed_.emplace(format.bytesPerFrame(), 2 * format.bytesForDuration(kBufferMs * 1000));
    return true;
}

void QtSoundPlayer::closeStream() {
    pumpTimer_.stop();
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_->deleteLater();
    }
    sink_ = nullptr;
    output_ = nullptr;
    feed_.reset();
}

void QtSoundPlayer::onStateChanged(QAudio::State state) {
    // The server went away (or refused the stream): start afresh at the
    // next sound, when it may be back.
    if (sink_ && state == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        qWarning("The sound server closed the stream: it is opened again for the next sound.");
        closeStream();
    }
}

void QtSoundPlayer::pump() {
    if (!sink_ || !feed_)
        return;
    const qint64 room = sink_->bytesFree();
    if (room > 0) {
        QByteArray block(room, Qt::Uninitialized);
        const qint64 n = feed_->read(block.data(), room);
        if (n > 0)
            output_->write(block.constData(), n);
    }
    if (feed_->finished())
        pumpTimer_.stop();
}

void QtSoundPlayer::play(const QString& contentPath) {
    auto sound = decoded(contentPath);
    if (!sound || sound->samples.isEmpty())
        return;
    if (!openStream(sound->sampleRate, sound->channels))
        return;
    // One sound at a time: a new one replaces the one still playing.
    feed_->start(std::move(sound));
    pump(); // as much as the server takes now, the rest as it plays
    if (!feed_->finished())
        pumpTimer_.start();
}

} // namespace platform
