// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sounddecoder.h"

#include <QFile>
#include <sndfile.h>

namespace platform {

std::optional<DecodedSound> decodeSoundFile(const QString& fileName) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(fileName).constData(), SFM_READ, &info);
    if (!file)
        return std::nullopt;
    // The content is WAV only; the library would also open other formats
    // (MP3 among them) and give their decoders input they were never tested on.
    const int container = info.format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX) {
        sf_close(file);
        return std::nullopt;
    }
    // Effects are short; refuse anything over a minute of stereo at 48 kHz.
    constexpr sf_count_t kMaxFrames = 48000 * 60;
    if (info.channels < 1 || info.channels > 2 || info.samplerate < 1000 ||
        info.samplerate > 192000 || info.frames < 0 || info.frames > kMaxFrames) {
        sf_close(file);
        return std::nullopt;
    }
    DecodedSound sound;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    sound.samples.resize(qsizetype(info.frames) * info.channels * 2);
    const sf_count_t read =
        sf_readf_short(file, reinterpret_cast<short*>(sound.samples.data()), info.frames);
    sf_close(file);
    if (read < 0)
        return std::nullopt;
    sound.samples.truncate(qsizetype(read) * info.channels * 2);
    return sound;
}

} // namespace platform
