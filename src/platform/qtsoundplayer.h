// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays WAV files through Qt Multimedia. Decoded sounds are cached so a click
// plays at once. The output runs in a thread of its own, so that a busy
// moment of the program (a screen being built just after its click) never
// lets the stream run dry: one stream, opened when the player is made and
// kept for the run (see soundfeed.h), corked while nothing plays. Without a
// sound server the player stays silent and warns once; a server that goes
// away is looked for again at the next sound.

#include "platform/devices.h"
#include "platform/sounddecoder.h"
#include "platform/soundplayer.h"

#include <QHash>
#include <QObject>
#include <QThread>
#include <memory>

namespace platform {

class SoundOutput;

class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // Content paths are turned into file names by `resolve`.
    explicit QtSoundPlayer(ContentPathResolver resolve);
    ~QtSoundPlayer() override;
    void play(const QString& contentPath) override;

private:
    std::shared_ptr<const DecodedSound> decoded(const QString& contentPath);
    void stop();

    ContentPathResolver resolve_;
    QHash<QString, std::shared_ptr<const DecodedSound>> cache_;
    QThread thread_;
    SoundOutput* output_; // lives in thread_
};

} // namespace platform
