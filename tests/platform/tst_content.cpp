// SPDX-License-Identifier: GPL-3.0-or-later
// Content paths ignore case and stay in the content folder; pictures go by contents and size.

#include "platform/mediapaths.h"
#include "platform/picture.h"
#include "support/minimalwmf.h"
#include "support/testenv.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray encoded(const char* format) {
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A small JPEG that declares width by height, as a damaged or hostile file.
QByteArray jpegDeclaring(int width, int height) {
    QByteArray bytes = encoded("JPEG");
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        return {};
    // Marker, length (2), precision (1), then height and width, big-endian.
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}

} // namespace

class ContentTest : public QObject {
    Q_OBJECT

    testenv::Fixture env;

private slots:
    void initTestCase() {
        for (const char* file :
             {"Images/tidesm.jpg", "wav/Click.WAV", "logo/a.gif", "logo/A.gif", "wmf/page.wmf"})
            env.write(QString::fromLatin1(file), "x");
    }

    // An exact match wins over one in another case; a folder is not a file.
    void pathsResolve_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("resolved");
        QTest::addColumn<bool>("isFile");
        const auto row = [](const char* name, const char* path, const char* resolved, bool isFile) {
            QTest::newRow(name) << path << resolved << isFile;
        };
        row("folder in another case", "images\\tidesm.jpg", "Images/tidesm.jpg", true);
        row("file in another case", "Images\\TIDESM.jpg", "Images/tidesm.jpg", true);
        row("both", "WAV\\CLICK.wav", "wav/Click.WAV", true);
        row("exact match, upper", "logo\\A.gif", "logo/A.gif", true);
        row("exact match, lower", "logo\\a.gif", "logo/a.gif", true);
        row("missing file", "wmf\\nothere.wmf", "wmf/nothere.wmf", false);
        row("missing folder", "nofolder\\page.wmf", "nofolder/page.wmf", false);
        row("a folder", "wmf", "wmf", false);
        row("climbing out", "..\\..\\etc\\passwd", "etc/passwd", false);
    }
    void pathsResolve() {
        QFETCH(QString, path);
        QFETCH(QString, resolved);
        QFETCH(bool, isFile);
        QCOMPARE(platform::resolveContentPath(path), env.content.filePath(resolved));
        QCOMPARE(platform::contentFileExists(path), isFile);
    }

    // Up to the largest size a file can declare, whose pixel count overflows 32 bits.
    void theBudgetJudgesEveryDeclaredSize_data() {
        QTest::addColumn<QSize>("declared");
        QTest::addColumn<bool>("fits");
        QTest::newRow("the budget exactly") << QSize(2048, 2048) << true;
        QTest::newRow("one row over") << QSize(2048, 2049) << false;
        QTest::newRow("the widest strip") << QSize(65535, 64) << true;
        QTest::newRow("the largest a file declares") << QSize(65535, 65535) << false;
        QTest::newRow("2^32 pixels") << QSize(65536, 65536) << false;
        QTest::newRow("the largest int") << QSize(INT_MAX, INT_MAX) << false;
        QTest::newRow("empty") << QSize(0, 0) << false;
        QTest::newRow("unknown") << QSize() << false;
    }
    void theBudgetJudgesEveryDeclaredSize() {
        QFETCH(QSize, declared);
        QFETCH(bool, fits);
        QCOMPARE(platform::fitsPictureBudget(declared), fits);
        QCOMPARE(platform::fitsPictureBudget(declared.transposed()), fits);
    }

    void formatsAreDecidedByContents_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("metafile");
        QTest::newRow("jpeg") << "a.jpg" << encoded("JPEG") << true << false;
        QTest::newRow("bmp") << "a.bmp" << encoded("BMP") << true << false;
        QTest::newRow("jpeg named gif") << "a.gif" << encoded("JPEG") << true << false;
        QTest::newRow("jpeg named wmf") << "j.wmf" << encoded("JPEG") << true << false;
        QTest::newRow("metafile named jpg") << "m.jpg" << testenv::minimalWmf() << true << true;
        QTest::newRow("png named jpg") << "p.jpg" << encoded("PNG") << false << false;
        QTest::newRow("ppm named bmp") << "p.bmp" << encoded("PPM") << false << false;
        // Refused on the size it declares, before a byte is decoded.
        QTest::newRow("jpeg declaring too much")
            << "huge.jpg" << jpegDeclaring(5600, 5600) << false << false;
    }
    void formatsAreDecidedByContents() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        QFETCH(bool, metafile);
        QVERIFY(!bytes.isEmpty());
        env.write(name, bytes);
        const platform::Picture picture = platform::Picture::load(name);
        QCOMPARE(!picture.isNull(), loads);
        QCOMPARE(picture.isMetafile(), metafile);
    }
};

QTEST_MAIN(ContentTest)
#include "tst_content.moc"
