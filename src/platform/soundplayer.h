// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace platform {

// Plays a WAV file named by its content path ("wav\click.wav") and returns at
// once. Never waits, never fails loudly.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& contentPath) = 0;
};

} // namespace platform
