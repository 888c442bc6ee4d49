// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program's one output stream is given: the sound being played,
// then a little silence that pushes its last samples out of the server's
// buffer, then nothing until the next sound. The stream stays open for the
// whole run, so a sound is never cut short when its last bytes are handed
// over (the server has not played them yet), and the next one starts
// without a new connection. A new sound replaces the one still playing.

#include "platform/sounddecoder.h"

#include <QtGlobal>
#include <memory>

namespace platform {

class SoundFeed {
public:
    // `frameBytes`: the bytes of one frame of the stream (every channel's
    // sample); the feed hands over whole frames only. `trailingSilence`:
    // the bytes of silence that follow each sound.
    SoundFeed(int frameBytes, qint64 trailingSilence);

    // Plays `sound` from its start, in place of the one before.
    void start(std::shared_ptr<const DecodedSound> sound);
    // Fills `data` with up to `maxBytes` of what comes next; returns how
    // many, 0 once the sound and its silence are all handed over.
    qint64 read(char* data, qint64 maxBytes);
    bool finished() const { return !sound_ || position_ >= end(); }

private:
    qint64 end() const;

    std::shared_ptr<const DecodedSound> sound_;
    qint64 position_ = 0;
    int frameBytes_;
    qint64 trailingSilence_;
};

} // namespace platform
