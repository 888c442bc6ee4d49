// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture and sound the screens name exists in the shipped content
// folder, decodes with the program's own readers and has the size the
// layout needs.

#include "common/animation.h"
#include "platform/mediapaths.h"
#include "platform/picture.h"
#include "platform/sounddecoder.h"

#include <QDirIterator>
#include <QtTest>

namespace {

struct Expected {
    QString path;
    QSize size; // empty: any size (shown stretched or placed freely)
};

QList<Expected> expectedPictures() {
    QList<Expected> list = {
        {"Images\\tide.jpg", {}},
        {"Images\\spiralgalaxy.jpg", {}},
        {"Images\\babyseal.jpg", {}},
        {"images\\tidesm.jpg", {57, 41}},
        {"images\\m51sm.jpg", {57, 41}},
        {"images\\babysealsm.jpg", {57, 41}},
        {"Images\\earthmoonsm2.jpg", {321, 81}},
        {"Images\\sunsm.jpg", {120, 120}},
        {"Images\\gascloud.jpg", {}},
        {"Images\\redgiant.jpg", {306, 299}},
        {"Images\\whitedwa.jpg", {}},
        {"Images\\sun.jpg", {240, 240}},
        {"Images\\mercurysm.jpg", {98, 95}},
        {"Images\\venussm.jpg", {150, 136}},
        {"Images\\earth2sm.jpg", {150, 154}},
        {"Images\\moonsm.jpg", {86, 85}},
        {"Images\\marssm.jpg", {103, 100}},
        {"logo\\quillmere2.bmp", {120, 65}},
    };
    for (int i = 0; i < 100; ++i)
        list.append({common::earthRiseFrameFile(i), {321, 241}});
    for (int i = 0; i < 28; ++i)
        list.append({common::moonPhaseFrameFile(i), {320, 240}});
    for (int i = 0; i < 20; ++i)
        list.append({common::logoFrameFile(i), {120, 120}});
    return list;
}

const char* const kClicks[] = {"click", "typekey"};
const char* const kRewards[] = {"halleluj", "fanf2",  "fanf3", "fanf4", "slot_payoff", "crowd",
                                "cheer2",   "klaxon", "flute", "gong",  "clap2",       "drumroll",
                                "laser2",   "whizz",  "clap3", "clown"};

} // namespace

class MediaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::setContentRoot(QStringLiteral(CORVELLA_SOURCE_MEDIA)); }

    void picturesDecodeAtTheirSizes() {
        QStringList problems;
        for (const Expected& e : expectedPictures()) {
            const platform::Picture picture = platform::Picture::load(e.path);
            if (picture.isNull())
                problems << e.path + ": missing or unreadable";
            else if (!e.size.isEmpty() && picture.image().size() != e.size)
                problems << QStringLiteral("%1: %2x%3, expected %4x%5")
                                .arg(e.path)
                                .arg(picture.image().width())
                                .arg(picture.image().height())
                                .arg(e.size.width())
                                .arg(e.size.height());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void soundsDecodeWithSensibleLengths() {
        QStringList problems;
        auto check = [&problems](const char* name, double minSeconds, double maxSeconds) {
            const QString path = QStringLiteral("wav\\%1.wav").arg(QLatin1String(name));
            const auto sound = platform::decodeSoundFile(platform::resolveContentPath(path));
            if (!sound) {
                problems << path + ": missing or unreadable";
                return;
            }
            const double seconds = double(sound->frameCount()) / sound->sampleRate;
            if (seconds < minSeconds || seconds > maxSeconds)
                problems << QStringLiteral("%1: %2 s").arg(path).arg(seconds);
        };
        for (const char* name : kClicks)
            check(name, 0.005, 0.08);
        check("thud3", 0.05, 1.5);
        for (const char* name : kRewards)
            check(name, 1.0, 4.0);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void contentFolderStaysSmall() {
        qint64 bytes = 0;
        QDirIterator it(QStringLiteral(CORVELLA_SOURCE_MEDIA), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            bytes += it.fileInfo().size();
        }
        QVERIFY2(bytes < 15 * 1024 * 1024, qPrintable(QString::number(bytes)));
    }
};

QTEST_MAIN(MediaTest)
#include "tst_media.moc"
