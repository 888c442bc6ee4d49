// SPDX-License-Identifier: GPL-3.0-or-later
// The sound decoder reads every encoding older content uses into 16-bit
// samples (the test files are made here with libsndfile's own encoders); the
// player stays silent without a sound server and says so once.

#include "platform/mediapaths.h"
#include "platform/qtsoundplayer.h"
#include "platform/sounddecoder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
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

} // namespace

class SoundDecoderTest : public QObject {
    Q_OBJECT
private slots:
    void decodesEveryEncoding_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("pcm 8-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
        QTest::newRow("pcm 16-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QTest::newRow("ima adpcm") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM);
        QTest::newRow("ms adpcm") << (SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM);
        QTest::newRow("u-law") << (SF_FORMAT_WAV | SF_FORMAT_ULAW);
        QTest::newRow("a-law") << (SF_FORMAT_WAV | SF_FORMAT_ALAW);
    }
    void decodesEveryEncoding() {
        QFETCH(int, format);
        QTemporaryDir dir;
        const QString path = dir.filePath("tone.wav");
        QVERIFY(writeTone(path, format));
        const auto sound = platform::decodeSoundFile(path);
        QVERIFY(sound.has_value());
        QCOMPARE(sound->sampleRate, 8000);
        QCOMPARE(sound->channels, 1);
        // ADPCM pads the last block; the length stays within one block.
        QVERIFY(qAbs(sound->frameCount() - 8000) < 1100);
        // The tone survives decoding: its peak is near the written amplitude.
        const auto* s = reinterpret_cast<const short*>(sound->samples.constData());
        int peak = 0;
        for (qint64 i = 0; i < sound->frameCount(); ++i)
            peak = qMax(peak, qAbs(int(s[i])));
        QVERIFY2(peak > 10000 && peak < 14500, qPrintable(QString::number(peak)));
    }

    void withoutAServerThePlayerIsSilentAndSaysSoOnce() {
        // No sound server (the socket named is missing): the player must
        // stay silent and return, for real files, missing ones and repeats,
        // and say so once, however often it looks for the server again.
        qputenv("PULSE_SERVER", "unix:/nonexistent/corvella-test-no-sound-server");
        static QStringList warnings;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
                if (type == QtWarningMsg && m.startsWith("No sound device"))
                    warnings << m;
            });
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
        qInstallMessageHandler(previous);
        QCOMPARE(warnings.size(), 1);
    }

    void refusesBadFiles() {
        QTemporaryDir dir;
        QVERIFY(!platform::decodeSoundFile(dir.filePath("missing.wav")));
        QFile junk(dir.filePath("junk.wav"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("RIFF\x10\0\0\0WAVEfmt nonsense that is not a wave file at all");
        junk.close();
        QVERIFY(!platform::decodeSoundFile(junk.fileName()));
    }

    void otherFormatsNamedWavAreRefused_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("mp3") << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
        QTest::newRow("aiff") << (SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
        QTest::newRow("flac") << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    }
    void otherFormatsNamedWavAreRefused() {
        QFETCH(int, format);
        QTemporaryDir dir;
        const QString path = dir.filePath("click.wav");
        if (!writeTone(path, format))
            QSKIP("this libsndfile cannot write the format");
        // The library itself would decode it: only the decoder's own check refuses.
        SF_INFO info{};
        SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        QVERIFY(f);
        sf_close(f);
        QVERIFY(!platform::decodeSoundFile(path));
    }
};

QTEST_MAIN(SoundDecoderTest)
#include "tst_sounddecoder.moc"
