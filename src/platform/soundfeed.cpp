// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/soundfeed.h"

#include <cstring>

namespace platform {

SoundFeed::SoundFeed(int frameBytes, qint64 trailingSilence)
    : frameBytes_(qMax(1, frameBytes)),
      trailingSilence_(qMax<qint64>(0, trailingSilence) / qMax(1, frameBytes) *
                       qMax(1, frameBytes)) {}

void SoundFeed::start(std::shared_ptr<const DecodedSound> sound) {
    sound_ = std::move(sound);
    position_ = 0;
}

qint64 SoundFeed::end() const {
    return sound_ ? sound_->samples.size() + trailingSilence_ : 0;
}

qint64 SoundFeed::read(char* data, qint64 maxBytes) {
    // Whole frames only, so that the stream never slips by a byte.
    const qint64 wanted = qMin(maxBytes / frameBytes_ * frameBytes_, end() - position_);
    if (wanted <= 0)
        return 0;
    const qint64 soundBytes = sound_->samples.size();
    const qint64 fromSound = qBound<qint64>(0, soundBytes - position_, wanted);
    if (fromSound > 0)
        std::memcpy(data, sound_->samples.constData() + position_, size_t(fromSound));
    std::memset(data + fromSound, 0, size_t(wanted - fromSound));
    position_ += wanted;
    return wanted;
}

} // namespace platform
