// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays WAV files through Qt Multimedia. Decoded sounds are cached so a click
// plays at once. Without a sound device it stays silent and warns once.

#include "platform/devices.h"
#include "platform/sounddecoder.h"
#include "platform/soundplayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <memory>

class QAudioSink;
class QBuffer;

namespace platform {

class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // Content paths are turned into file names by `resolve`.
    explicit QtSoundPlayer(ContentPathResolver resolve);
    ~QtSoundPlayer() override;
    void play(const QString& contentPath) override;

private:
    std::shared_ptr<const DecodedSound> decoded(const QString& contentPath);
    bool haveDevice();
    void stopCurrent();

    ContentPathResolver resolve_;
    QHash<QString, std::shared_ptr<const DecodedSound>> cache_;
    QPointer<QAudioSink> sink_;
    QPointer<QBuffer> buffer_;
    std::shared_ptr<const DecodedSound> playing_;
    int deviceState_ = -1; // -1 unknown, 0 none, 1 present
};

} // namespace platform
