// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decodes a WAV file of any encoding older content uses (8- and 16-bit PCM,
// IMA and MS ADPCM, u-law, A-law...) into 16-bit samples.

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

struct DecodedSound {
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples; // interleaved signed 16-bit, native byte order

    qint64 frameCount() const { return channels ? samples.size() / (2 * channels) : 0; }
};

// Null for a missing, unreadable or absurd file, and for any format but WAV
// (decided by the contents, not the name).
std::optional<DecodedSound> decodeSoundFile(const QString& fileName);

} // namespace platform
