// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap decoding: every depth, colour tables and masks, run-length
// compression, both row orders, and refusal of impossible headers.

#include "platform/wmf/wmfdib.h"
#include "platform/wmf/wmfreader.h"
#include "wmfbuilder.h"

#include <QtTest>

using namespace wmf;

namespace {

QByteArray header(int width, int height, int bits, int compression = 0, int colorsUsed = 0) {
    QByteArray b;
    for (quint32 v : {40u, quint32(width), quint32(height)})
        b += WmfBuilder::le32(v);
    b += WmfBuilder::le16(1) + WmfBuilder::le16(bits);
    b += WmfBuilder::le32(quint32(compression));
    b += WmfBuilder::le32(0) + WmfBuilder::le32(0) + WmfBuilder::le32(0);
    b += WmfBuilder::le32(quint32(colorsUsed)) + WmfBuilder::le32(0);
    return b;
}

QByteArray quad(QRgb c) {
    const char b[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
    return QByteArray(b, 4);
}

bool decode(const QByteArray& bytes, Dib& dib, bool paletteIndices = false,
            const QVector<QRgb>& palette = {}) {
    return decodeDib(Reader(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()),
                     paletteIndices, palette, dib);
}

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255),
           kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255);

} // namespace

class TestWmfDib : public QObject {
    Q_OBJECT

private slots:
    void palettedDepths();
    void directDepths();
    void runLengthEight();
    void runLengthFour();
    void coreHeaderAndPaletteIndices();
    void refusesImpossibleHeaders();
    void shortBitsKeepTheRowsPresent();
    void deviceBitmap();
};

void TestWmfDib::palettedDepths() {
    Dib dib;
    // 1 bit, 10 pixels wide (a four-byte row), bottom-up: the last row stored is the top.
    QByteArray one = header(10, 2, 1) + quad(kBlack) + quad(kWhite);
    one += QByteArray("\x80\x40\0\0", 4); // bottom row: white at 0, black at 1
    one += QByteArray("\x7f\xff\xc0\0", 4);
    QVERIFY(decode(one, dib));
    QVERIFY(dib.bottomUp);
    QCOMPARE(dib.image.size(), QSize(10, 2));
    QCOMPARE(dib.image.pixel(0, 1), kWhite);
    QCOMPARE(dib.image.pixel(1, 1), kBlack);
    QCOMPARE(dib.image.pixel(0, 0), kBlack);
    QCOMPARE(dib.image.pixel(9, 0), kWhite);

    // 4 bits, top-down, three pixels.
    QByteArray four = header(3, -1, 4, 0, 3) + quad(kRed) + quad(kGreen) + quad(kBlue);
    four += QByteArray("\x21\x00\0\0", 4);
    QVERIFY(decode(four, dib));
    QVERIFY(!dib.bottomUp);
    QCOMPARE(dib.image.pixel(0, 0), kBlue);
    QCOMPARE(dib.image.pixel(1, 0), kGreen);
    QCOMPARE(dib.image.pixel(2, 0), kRed);

    // 8 bits with a short table: indices past it are black.
    QByteArray eight = header(2, 1, 8, 0, 1) + quad(kGreen) + QByteArray("\0\5\0\0", 4);
    QVERIFY(decode(eight, dib));
    QCOMPARE(dib.image.pixel(0, 0), kGreen);
    QCOMPARE(dib.image.pixel(1, 0), kBlack);
}

void TestWmfDib::directDepths() {
    Dib dib;
    // 16 bits, default 5-5-5.
    QByteArray b16 = header(2, 1, 16) + WmfBuilder::le16(0x7C00) + WmfBuilder::le16(0x001F);
    QVERIFY(decode(b16, dib));
    QCOMPARE(dib.image.pixel(0, 0), kRed);
    QCOMPARE(dib.image.pixel(1, 0), kBlue);

    // 16 bits with 5-6-5 masks after the header.
    QByteArray b565 = header(2, 1, 16, 3) + WmfBuilder::le32(0xF800) + WmfBuilder::le32(0x07E0) +
                      WmfBuilder::le32(0x001F) + WmfBuilder::le16(0x07E0) +
                      WmfBuilder::le16(0x0400);
    QVERIFY(decode(b565, dib));
    QCOMPARE(dib.image.pixel(0, 0), kGreen);
    QCOMPARE(qGreen(dib.image.pixel(1, 0)), 130); // 32 of 63, scaled to eight bits

    // 24 and 32 bits are stored blue first.
    QByteArray b24 = header(1, 1, 24) + QByteArray("\x10\x20\x30\0", 4);
    QVERIFY(decode(b24, dib));
    QCOMPARE(dib.image.pixel(0, 0), qRgb(0x30, 0x20, 0x10));
    QByteArray b32 = header(1, 1, 32) + QByteArray("\x10\x20\x30\x00", 4);
    QVERIFY(decode(b32, dib));
    QCOMPARE(dib.image.pixel(0, 0), qRgb(0x30, 0x20, 0x10));
}

void TestWmfDib::runLengthEight() {
    // 4 x 3, bottom-up: row 0 (bottom) = run of three 1s; row 1 = absolute
    // 2,0,1; row 2 = a delta of one right, then a single 2; end.
    QByteArray rle("\x03\x01\x00\x00"
                   "\x00\x03\x02\x00\x01\x00"
                   "\x00\x00"
                   "\x00\x02\x01\x00"
                   "\x01\x02"
                   "\x00\x01",
                   20);
    const QByteArray bytes = header(4, 3, 8, 1, 3) + quad(kRed) + quad(kGreen) + quad(kBlue) + rle;
    Dib dib;
    QVERIFY(decode(bytes, dib));
    const QImage& img = dib.image;
    QCOMPARE(img.pixel(0, 2), kGreen);
    QCOMPARE(img.pixel(2, 2), kGreen);
    QCOMPARE(qAlpha(img.pixel(3, 2)), 0); // skipped by the end of line
    QCOMPARE(img.pixel(0, 1), kBlue);
    QCOMPARE(img.pixel(1, 1), kRed);
    QCOMPARE(img.pixel(2, 1), kGreen);
    QCOMPARE(img.pixel(1, 0), kBlue); // after the delta
    QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
}

void TestWmfDib::runLengthFour() {
    // One row of five: a run of four alternating 1,2 then absolute 3 (padded).
    QByteArray rle("\x04\x12"
                   "\x00\x03\x30\x00"
                   "\x00\x01",
                   8);
    QByteArray bytes =
        header(5, 1, 4, 2, 4) + quad(kBlack) + quad(kRed) + quad(kGreen) + quad(kBlue) + rle;
    Dib dib;
    QVERIFY(decode(bytes, dib));
    QCOMPARE(dib.image.pixel(0, 0), kRed);
    QCOMPARE(dib.image.pixel(1, 0), kGreen);
    QCOMPARE(dib.image.pixel(3, 0), kGreen);
    QCOMPARE(dib.image.pixel(4, 0), kBlue);
}

void TestWmfDib::coreHeaderAndPaletteIndices() {
    Dib dib;
    // The old 12-byte header has three-byte colours.
    QByteArray core = WmfBuilder::le32(12) + WmfBuilder::le16(1) + WmfBuilder::le16(1) +
                      WmfBuilder::le16(1) + WmfBuilder::le16(1);
    core += QByteArray("\0\0\xff", 3) + QByteArray("\xff\0\0", 3) + QByteArray("\x80\0\0\0", 4);
    QVERIFY(decode(core, dib));
    QCOMPARE(dib.image.pixel(0, 0), kBlue);

    // Palette indices pick from the selected palette.
    QByteArray indexed =
        header(2, 1, 1) + WmfBuilder::le16(2) + WmfBuilder::le16(0) + QByteArray("\x40\0\0\0", 4);
    QVERIFY(decode(indexed, dib, true, {kRed, kGreen, kBlue}));
    QCOMPARE(dib.image.pixel(0, 0), kBlue);
    QCOMPARE(dib.image.pixel(1, 0), kRed);
}

void TestWmfDib::refusesImpossibleHeaders() {
    Dib dib;
    QVERIFY(!decode(header(4, 4, 7) + QByteArray(64, '\0'), dib));    // no such depth
    QVERIFY(!decode(header(0, 4, 8) + QByteArray(64, '\0'), dib));    // no width
    QVERIFY(!decode(header(100000, 100000, 24), dib));                // ten gigapixels
    QVERIFY(!decode(header(4, 4, 8, 2) + QByteArray(64, '\0'), dib)); // RLE4 at 8 bits
    QVERIFY(!decode(header(4, 4, 8, 9) + QByteArray(64, '\0'), dib)); // unknown compression
    QVERIFY(!decode(header(4, 4, 8).left(30), dib));                  // cut header
    QVERIFY(!decode(WmfBuilder::le32(0x7FFFFFFF) + header(4, 4, 8), dib));
}

void TestWmfDib::shortBitsKeepTheRowsPresent() {
    // Three rows announced, one present: the bottom row, the others empty.
    Dib dib;
    QVERIFY(decode(header(1, 3, 24) + QByteArray("\0\0\xff\0", 4), dib));
    QCOMPARE(dib.image.pixel(0, 2), kRed);
    QCOMPARE(dib.image.pixel(0, 0), kBlack);
}

void TestWmfDib::deviceBitmap() {
    // Type, width, height, bytes per row, planes, bits, then rows top-down.
    QByteArray bm = WmfBuilder::le16(0) + WmfBuilder::le16(3) + WmfBuilder::le16(2) +
                    WmfBuilder::le16(2) + QByteArray("\x01\x01", 2) + QByteArray("\xa0\0\x40\0", 4);
    QImage img;
    QVERIFY(decodeBitmap16(Reader(reinterpret_cast<const uchar*>(bm.constData()), bm.size()),
                           kBlack, kWhite, img));
    QCOMPARE(img.pixel(0, 0), kWhite);
    QCOMPARE(img.pixel(1, 0), kBlack);
    QCOMPARE(img.pixel(2, 0), kWhite);
    QCOMPARE(img.pixel(1, 1), kWhite);
    QCOMPARE(img.pixel(0, 1), kBlack);
    // Bytes per row too small for the width.
    bm[6] = 0;
    QVERIFY(!decodeBitmap16(Reader(reinterpret_cast<const uchar*>(bm.constData()), bm.size()),
                            kBlack, kWhite, img));
}

QTEST_MAIN(TestWmfDib)
#include "tst_wmfdib.moc"
