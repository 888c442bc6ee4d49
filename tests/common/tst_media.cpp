// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture and sound the screens name is shipped, decodes and has the size it needs.

#include "common/animation.h"
#include "platform/mediapaths.h"
#include "platform/picture.h"
#include "platform/sounddecoder.h"

#include <QDirIterator>
#include <QtTest>

class MediaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::setContentRoot(QStringLiteral(CORVELLA_SOURCE_MEDIA)); }

    void picturesDecodeAtTheirSizes() {
        auto frames = [](QString (*file)(int), int count) {
            QStringList files;
            for (int i = 0; i < count; ++i)
                files << file(i);
            return files;
        };
        // An empty size: any size (shown stretched or placed freely).
        const QList<std::pair<QSize, QStringList>> expected = {
            {{},
             {"Images\\tide.jpg", "Images\\spiralgalaxy.jpg", "Images\\babyseal.jpg",
              "Images\\gascloud.jpg", "Images\\whitedwa.jpg"}},
            {{57, 41}, {"images\\tidesm.jpg", "images\\m51sm.jpg", "images\\babysealsm.jpg"}},
            {{321, 81}, {"Images\\earthmoonsm2.jpg"}},
            {{120, 120}, {"Images\\sunsm.jpg"}},
            {{306, 299}, {"Images\\redgiant.jpg"}},
            {{240, 240}, {"Images\\sun.jpg"}},
            {{98, 95}, {"Images\\mercurysm.jpg"}},
            {{150, 136}, {"Images\\venussm.jpg"}},
            {{150, 154}, {"Images\\earth2sm.jpg"}},
            {{86, 85}, {"Images\\moonsm.jpg"}},
            {{103, 100}, {"Images\\marssm.jpg"}},
            {{120, 65}, {"logo\\quillmere2.bmp"}},
            {{321, 241}, frames(common::earthRiseFrameFile, 100)},
            {{320, 240}, frames(common::moonPhaseFrameFile, 28)},
            {{120, 120}, frames(common::logoFrameFile, 20)},
        };
        QStringList problems;
        for (const auto& [size, paths] : expected)
            for (const QString& path : paths) {
                const QImage image = platform::Picture::load(path).image();
                if (image.isNull() || (!size.isEmpty() && image.size() != size))
                    problems << QStringLiteral("%1: %2x%3")
                                    .arg(path)
                                    .arg(image.width())
                                    .arg(image.height());
            }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void soundsDecodeWithSensibleLengths() {
        const QList<std::tuple<double, double, QStringList>> expected = {
            {0.005, 0.08, {"click", "typekey"}},
            {0.05, 1.5, {"thud3"}},
            {1.0,
             4.0,
             {"halleluj", "fanf2", "fanf3", "fanf4", "slot_payoff", "crowd", "cheer2", "klaxon",
              "flute", "gong", "clap2", "drumroll", "laser2", "whizz", "clap3", "clown"}},
        };
        QStringList problems;
        for (const auto& [shortest, longest, names] : expected)
            for (const QString& name : names) {
                const QString path = platform::resolveContentPath("wav\\" + name + ".wav");
                const auto sound = platform::decodeSoundFile(path);
                const double seconds = sound ? double(sound->frameCount()) / sound->sampleRate : 0;
                if (seconds < shortest || seconds > longest)
                    problems << QStringLiteral("%1: %2 s").arg(name).arg(seconds);
            }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void contentFolderStaysSmall() {
        qint64 bytes = 0;
        QDirIterator it(QStringLiteral(CORVELLA_SOURCE_MEDIA), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            bytes += QFileInfo(it.next()).size();
        QVERIFY2(bytes < 15 * 1024 * 1024, qPrintable(QString::number(bytes)));
    }
};

QTEST_MAIN(MediaTest)
#include "tst_media.moc"
