// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays WAV files through Qt Multimedia. Decoded sounds are cached so a click
// plays at once. One output stream is opened when the player is made and
// kept for the run (see soundfeed.h): between sounds it is simply not fed.
// Without a sound server the player stays silent and warns once; a server
// that goes away is looked for again at the next sound.

#include "platform/devices.h"
#include "platform/sounddecoder.h"
#include "platform/soundfeed.h"
#include "platform/soundplayer.h"

#include <QAudio>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

class QAudioSink;
class QIODevice;

namespace platform {

class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // Content paths are turned into file names by `resolve`.
    explicit QtSoundPlayer(ContentPathResolver resolve);
    ~QtSoundPlayer() override;
    void play(const QString& contentPath) override;

    // The stream's format until a sound asks for another: the content's.
    static constexpr int kStreamRate = 22050;
    static constexpr int kStreamChannels = 1;

private:
    std::shared_ptr<const DecodedSound> decoded(const QString& contentPath);
    bool openStream(int sampleRate, int channels);
    void closeStream();
    void pump();
    void onStateChanged(QAudio::State state);

    ContentPathResolver resolve_;
    QHash<QString, std::shared_ptr<const DecodedSound>> cache_;
    QPointer<QAudioSink> sink_;
    QIODevice* output_ = nullptr; // the sink's, valid while sink_ is
    std::optional<SoundFeed> feed_;
    int rate_ = 0;
    int channels_ = 0;
    QTimer pumpTimer_;
    bool warned_ = false;
};

} // namespace platform
