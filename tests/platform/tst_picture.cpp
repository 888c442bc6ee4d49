// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures are told apart by their contents, and a raster picture that
// declares more pixels than any screen could show is refused before it is
// decoded.

#include "platform/mediapaths.h"
#include "platform/picture.h"
#include "support/minimalwmf.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage smallImage() {
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return image;
}

// A small JPEG whose frame header declares width by height: the data that
// follows is far too short, as in a damaged or hostile file.
QByteArray jpegDeclaring(int width, int height) {
    QByteArray bytes = encoded(smallImage(), "JPEG");
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        return {};
    // Marker, length (2), precision (1), then height and width, big-endian.
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xFF);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xFF);
    return bytes;
}

} // namespace

class PictureTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase() { platform::setContentRoot(dir.path()); }

    // The budget as a function of the declared size, up to the largest a
    // file can declare, whose pixel count does not fit in 32 bits.
    void theBudgetJudgesEveryDeclaredSize_data() {
        QTest::addColumn<QSize>("declared");
        QTest::addColumn<bool>("fits");
        QTest::newRow("one pixel") << QSize(1, 1) << true;
        QTest::newRow("a full screen") << QSize(794, 577) << true;
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

    void aHugeDeclaredSizeIsRefusedBeforeDecoding_data() {
        QTest::addColumn<QSize>("declared");
        QTest::addColumn<bool>("loads");
        QTest::newRow("huge") << QSize(5600, 5600) << false;
        QTest::newRow("the largest a file declares") << QSize(65535, 65535) << false;
        QTest::newRow("a full screen") << QSize(794, 577) << true;
    }
    void aHugeDeclaredSizeIsRefusedBeforeDecoding() {
        QFETCH(QSize, declared);
        QFETCH(bool, loads);
        write("declared.jpg", jpegDeclaring(declared.width(), declared.height()));
        const platform::Picture picture = platform::Picture::load("declared.jpg");
        QCOMPARE(picture.isNull(), !loads);
        if (loads)
            QCOMPARE(picture.image().size(), declared);
    }

    void formatsAreDecidedByContents_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("metafile");
        QTest::newRow("jpeg") << "a.jpg" << encoded(smallImage(), "JPEG") << true << false;
        QTest::newRow("bmp") << "a.bmp" << encoded(smallImage(), "BMP") << true << false;
        QTest::newRow("jpeg named gif")
            << "a.gif" << encoded(smallImage(), "JPEG") << true << false;
        QTest::newRow("metafile named jpg") << "m.jpg" << testenv::minimalWmf() << true << true;
        QTest::newRow("png named jpg") << "p.jpg" << encoded(smallImage(), "PNG") << false << false;
        QTest::newRow("ppm named bmp") << "p.bmp" << encoded(smallImage(), "PPM") << false << false;
        QTest::newRow("jpeg named wmf")
            << "j.wmf" << encoded(smallImage(), "JPEG") << true << false;
    }
    void formatsAreDecidedByContents() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        QFETCH(bool, metafile);
        QVERIFY(!bytes.isEmpty());
        write(name, bytes);
        const platform::Picture picture = platform::Picture::load(name);
        QCOMPARE(!picture.isNull(), loads);
        QCOMPARE(picture.isMetafile(), metafile);
    }
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
