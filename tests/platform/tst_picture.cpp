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

    void aHugeDeclaredSizeIsRefusedBeforeDecoding() {
        write("huge.jpg", jpegDeclaring(5600, 5600));
        QVERIFY(platform::Picture::load("huge.jpg").isNull());
        // The same file declaring the size of a full screen loads.
        write("screen.jpg", jpegDeclaring(794, 577));
        QCOMPARE(platform::Picture::load("screen.jpg").image().size(), QSize(794, 577));
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
