// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtsoundplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtDebug>

namespace platform {

QtSoundPlayer::QtSoundPlayer(ContentPathResolver resolve) : resolve_(resolve) {}
QtSoundPlayer::~QtSoundPlayer() {
    stopCurrent();
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

bool QtSoundPlayer::haveDevice() {
    if (deviceState_ < 0) {
        deviceState_ = QMediaDevices::defaultAudioOutput().isNull() ? 0 : 1;
        if (deviceState_ == 0)
            qWarning("No sound device: sounds are switched off for this run.");
    }
    return deviceState_ == 1;
}

void QtSoundPlayer::stopCurrent() {
    if (sink_) {
        sink_->stop();
        sink_->deleteLater();
    }
    if (buffer_)
        buffer_->deleteLater();
    sink_ = nullptr;
    buffer_ = nullptr;
}

void QtSoundPlayer::play(const QString& contentPath) {
    auto sound = decoded(contentPath);
    if (!sound || sound->samples.isEmpty() || !haveDevice())
        return;
    // One sound at a time: a new one replaces the one still playing.
    stopCurrent();
    QAudioFormat format;
    format.setSampleRate(sound->sampleRate);
    format.setChannelCount(sound->channels);
    format.setSampleFormat(QAudioFormat::Int16);
    playing_ = sound;
    auto* buffer = new QBuffer(this);
    buffer->setData(sound->samples); // shares the cached bytes, no copy
    buffer->open(QIODevice::ReadOnly);
    auto* sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (state == QAudio::IdleState && sink == sink_)
            stopCurrent();
    });
    sink_ = sink;
    buffer_ = buffer;
    sink->start(buffer);
}

} // namespace platform
