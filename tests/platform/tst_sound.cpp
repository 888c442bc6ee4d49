// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds: only WAV decoded; fed in whole frames, then silence; no server: silent, warned once.

#include "platform/mediapaths.h"
#include "platform/qtsoundplayer.h"
#include "platform/sounddecoder.h"
#include "platform/soundfeed.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <sndfile.h>
#include <vector>

namespace {

// Writes one second of a 440 Hz tone at 8 kHz mono in the given format.
bool writeTone(const QString& path, int format) {
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = format;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    std::vector<short> samples(8000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short(12000 * std::sin(2 * M_PI * 440 * double(i) / 8000));
    sf_writef_short(f, samples.data(), sf_count_t(samples.size()));
    sf_close(f);
    return true;
}

constexpr int kNoFile = 0;

// A stereo sound whose frames count up from 1, so that any slip shows.
std::shared_ptr<const platform::DecodedSound> countingSound(int frames) {
    auto sound = std::make_shared<platform::DecodedSound>();
    sound->sampleRate = 8000;
    sound->channels = 2;
    for (qint16 i = 1; i <= frames; ++i)
        for (int c = 0; c < 2; ++c)
            sound->samples.append(reinterpret_cast<const char*>(&i), 2);
    return sound;
}

constexpr int kFrame = 4; // 16-bit stereo

// What the feed gives `chunk` bytes at a time; empty if it gives part of a frame.
QByteArray drain(platform::SoundFeed& feed, qint64 chunk) {
    QByteArray all;
    QByteArray block(int(qMax<qint64>(chunk, 1)), '\x7f');
    for (int guard = 0; guard < 100000; ++guard) {
        const qint64 n = feed.read(block.data(), chunk);
        if (n == 0)
            break;
        if (n % kFrame != 0)
            return {};
        all.append(block.constData(), int(n));
    }
    return all;
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    // Every WAV encoding the content uses; other formats the library reads, named .wav.
    void decodesWavesOnly_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("pcm 8-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << true;
        QTest::newRow("pcm 16-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << true;
        QTest::newRow("ima adpcm") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << true;
        QTest::newRow("ms adpcm") << (SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM) << true;
        QTest::newRow("u-law") << (SF_FORMAT_WAV | SF_FORMAT_ULAW) << true;
        QTest::newRow("a-law") << (SF_FORMAT_WAV | SF_FORMAT_ALAW) << true;
        QTest::newRow("missing") << kNoFile << false;
        QTest::newRow("mp3") << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) << false;
        QTest::newRow("aiff") << (SF_FORMAT_AIFF | SF_FORMAT_PCM_16) << false;
        QTest::newRow("flac") << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << false;
    }
    void decodesWavesOnly() {
        QFETCH(int, format);
        QFETCH(bool, decodes);
        QTemporaryDir dir;
        const QString path = dir.filePath("click.wav");
        if (format != kNoFile && !writeTone(path, format))
            QSKIP("this libsndfile cannot write the format");
        const auto sound = platform::decodeSoundFile(path);
        QCOMPARE(sound.has_value(), decodes);
        if (!decodes)
            return;
        QCOMPARE(sound->sampleRate, 8000);
        QCOMPARE(sound->channels, 1);
        // ADPCM pads the last block; the length stays within one block.
        QVERIFY(qAbs(sound->frameCount() - 8000) < 1100);
        // The tone survives decoding: its peak is near the written amplitude.
        const auto* s = reinterpret_cast<const short*>(sound->samples.constData());
        const int peak = *std::max_element(s, s + sound->frameCount());
        QVERIFY2(peak > 10000 && peak < 14500, qPrintable(QString::number(peak)));
    }

    // A sound started in place of another starts from its own beginning.
    void feedsTheWholeSoundThenItsSilence_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<qint64>("silence");
        QTest::addColumn<qint64>("chunk");
        QTest::addColumn<int>("replacing"); // bytes played of a sound before, if any
        QTest::newRow("all at once") << 100 << qint64(40) << qint64(4096) << -1;
        QTest::newRow("chunks that split frames") << 100 << qint64(40) << qint64(7) << -1;
        QTest::newRow("silence not a whole frame") << 10 << qint64(42) << qint64(64) << -1;
        QTest::newRow("no silence") << 10 << qint64(0) << qint64(64) << -1;
        QTest::newRow("less than a frame asked") << 10 << qint64(8) << qint64(3) << -1;
        QTest::newRow("in place of one half-played") << 20 << qint64(8) << qint64(64) << 40;
        QTest::newRow("after one played out") << 20 << qint64(8) << qint64(64) << 1000;
    }
    void feedsTheWholeSoundThenItsSilence() {
        QFETCH(int, frames);
        QFETCH(qint64, silence);
        QFETCH(qint64, chunk);
        QFETCH(int, replacing);
        const auto sound = countingSound(frames);
        platform::SoundFeed feed(kFrame, silence);
        QVERIFY(feed.finished()); // nothing to play yet
        QCOMPARE(drain(feed, chunk).size(), 0);
        if (replacing > 0) {
            feed.start(countingSound(50));
            QByteArray played(replacing, '\0');
            feed.read(played.data(), replacing);
        }
        feed.start(sound);
        QVERIFY(!feed.finished());
        const QByteArray given = drain(feed, chunk);
        if (chunk < kFrame) { // never part of a frame: nothing at all
            QVERIFY(given.isEmpty());
            return;
        }
        const qint64 wholeSilence = silence / kFrame * kFrame;
        QCOMPARE(given.size(), sound->samples.size() + wholeSilence);
        QCOMPARE(given.left(sound->samples.size()), sound->samples);
        QCOMPARE(given.mid(sound->samples.size()), QByteArray(int(wholeSilence), '\0'));
        QVERIFY(feed.finished());
    }

    // However often the player looks for a missing server again, it warns once.
    void withoutAServerThePlayerIsSilentAndSaysSoOnce() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/corvella-test-no-sound-server");
        QTest::ignoreMessage(QtWarningMsg,
                             "No sound device: sounds are switched off until one appears.");
        QTest::failOnWarning(QRegularExpression("^No sound device"));
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("wav"));
        QVERIFY(writeTone(dir.filePath("wav/Click.wav"), SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM));
        platform::setContentRoot(dir.path());
        {
            platform::QtSoundPlayer player(platform::resolveContentPath);
            for (int i = 0; i < 3; ++i) {
                player.play("wav\\click.wav");
                player.play("wav\\missing.wav");
            }
        } // its output thread has done everything asked of it when it ends
    }
};

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
