// SPDX-License-Identifier: GPL-3.0-or-later
// What a sound's stream is given: the whole sound, in whole frames, then
// exactly the silence that pushes it out, then nothing; a new sound starts
// from its beginning in place of the one before.

#include "platform/soundfeed.h"

#include <QtTest>

namespace {

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

// Everything the feed hands over when asked for `chunk` bytes at a time;
// a read of part of a frame (which would shift the stream) makes it empty.
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

class SoundFeedTest : public QObject {
    Q_OBJECT
private slots:
    void handsOverTheWholeSoundThenItsSilence_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<qint64>("silence");
        QTest::addColumn<qint64>("chunk");
        QTest::newRow("all at once") << 100 << qint64(40) << qint64(4096);
        QTest::newRow("frame by frame") << 100 << qint64(40) << qint64(kFrame);
        QTest::newRow("chunks that split frames") << 100 << qint64(40) << qint64(7);
        QTest::newRow("silence not a whole frame") << 10 << qint64(42) << qint64(64);
        QTest::newRow("no silence") << 10 << qint64(0) << qint64(64);
        QTest::newRow("less than a frame asked") << 10 << qint64(8) << qint64(3);
    }
    void handsOverTheWholeSoundThenItsSilence() {
        QFETCH(int, frames);
        QFETCH(qint64, silence);
        QFETCH(qint64, chunk);
        const auto sound = countingSound(frames);
        platform::SoundFeed feed(kFrame, silence);
        QVERIFY(feed.finished()); // nothing to play yet
        QCOMPARE(drain(feed, chunk).size(), 0);

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

    void aNewSoundStartsFromItsBeginningInPlaceOfTheOld() {
        platform::SoundFeed feed(kFrame, 8);
        const auto first = countingSound(50);
        const auto second = countingSound(20);
        feed.start(first);
        QByteArray block(40, '\0');
        QCOMPARE(feed.read(block.data(), block.size()), qint64(40));
        feed.start(second); // halfway through the first
        const QByteArray given = drain(feed, 64);
        QCOMPARE(given.left(second->samples.size()), second->samples);
        QCOMPARE(given.size(), second->samples.size() + 8);

        // After the end, the same sound again plays whole.
        feed.start(second);
        QCOMPARE(drain(feed, 64).left(second->samples.size()), second->samples);
    }
};

QTEST_MAIN(SoundFeedTest)
#include "tst_soundfeed.moc"
