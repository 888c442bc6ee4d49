// SPDX-License-Identifier: GPL-3.0-or-later
// The player against hand-computed numbers: mapping, shapes, text, bitmaps,
// clipping and the object table, recorded without fonts or rasterisation.

#include "wmftesthelpers.h"

#include <QtTest>

using namespace wmf;

namespace {

QByteArray fontRecordTail(int charset, const QByteArray& face) {
    QByteArray b;
    b.append(char(0)); // italic
    b.append(char(0)); // underline
    b.append(char(0)); // strike-out
    b.append(char(charset));
    b.append(4, '\0');
    b.append(face);
    b.append(32 - face.size(), '\0');
    return b;
}

WmfBuilder& font(WmfBuilder& b, int height, int charset = 0, const QByteArray& face = "Arial",
                 int escapement = 0) {
    return b.rec(CREATEFONTINDIRECT, {height, 0, escapement, escapement, 400},
                 fontRecordTail(charset, face));
}

WmfBuilder& extTextOut(WmfBuilder& b, int x, int y, const QByteArray& s,
                       std::initializer_list<int> dx = {}, int options = 0, QRect rect = QRect()) {
    QByteArray tail;
    if (options & 6)
        for (int v :
             {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()})
            tail += WmfBuilder::le16(v);
    tail += s;
    if (s.size() % 2)
        tail += '\0';
    for (int d : dx)
        tail += WmfBuilder::le16(d);
    return b.rec(EXTTEXTOUT, {y, x, int(s.size()), options}, tail);
}

// A bitmap info header and its bits; a negative height is top-down.
QByteArray dib24(int width, int height, const QVector<QRgb>& rowsAsStored) {
    QByteArray b;
    for (quint32 v : {40u, quint32(width), quint32(height)})
        b += WmfBuilder::le32(v);
    b += WmfBuilder::le16(1) + WmfBuilder::le16(24);
    for (int i = 0; i < 6; ++i)
        b += WmfBuilder::le32(0);
    const int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < std::abs(height); ++y) {
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            const QRgb c = rowsAsStored[y * width + x];
            row += char(qBlue(c));
            row += char(qGreen(c));
            row += char(qRed(c));
        }
        row.append(stride - row.size(), '\0');
        b += row;
    }
    return b;
}

QRectF firstPathBounds(const RecordingDevice& d) {
    const auto paths = d.paths();
    return paths.isEmpty() ? QRectF() : paths.first().bounds;
}

} // namespace

class TestWmfPlayer : public QObject {
    Q_OBJECT

private slots:
    void mapping_data();
    void mapping();
    void targetPlacement();
    void sizeOfFixedModeFileIsMeasured();
    void arcs();
    void fontHeights();
    void textAlignment_data();
    void textAlignment();
    void updateCurrentPosition();
    void escapementRotatesText();
    void opaqueAndClippedText();
    void charsets();
    void bitmapOrientation_data();
    void bitmapOrientation();
    void maskPairsBecomeTransparency();
    void blitWithoutBitmapFillsWithBrush();
    void clipping();
    void objectSlots();
};

void TestWmfPlayer::mapping_data() {
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<QRect>("logical");
    QTest::addColumn<QRectF>("device");

    auto setup = [](std::function<void(WmfBuilder&)> f) {
        WmfBuilder b(0, 0, 1000, 1000, 96);
        f(b);
        return b.withoutEnd();
    };
    QTest::newRow("frame only") << setup([](WmfBuilder&) {}) << QRect(100, 200, 200, 200)
                                << QRectF(100, 200, 200, 200);
    QTest::newRow("anisotropic window") << setup([](WmfBuilder& b) {
        b.rec(SETMAPMODE, {MM_ANISOTROPIC});
        b.rec(SETWINDOWORG, {100, 100});
        b.rec(SETWINDOWEXT, {500, 250});
    }) << QRect(100, 100, 250, 500) << QRectF(0, 0, 1000, 1000);
    QTest::newRow("window extent in MM_TEXT, as producers write it") << setup([](WmfBuilder& b) {
        b.rec(SETWINDOWEXT, {2000, 2000});
    }) << QRect(0, 0, 1000, 1000) << QRectF(0, 0, 500, 500);
    QTest::newRow("negative extent flips y") << setup([](WmfBuilder& b) {
        b.rec(SETWINDOWORG, {500, 0});
        b.rec(SETWINDOWEXT, {-500, 1000});
    }) << QRect(0, 0, 500, 250) << QRectF(0, 500, 500, 500);
    QTest::newRow("isotropic keeps the aspect") << setup([](WmfBuilder& b) {
        b.rec(SETMAPMODE, {MM_ISOTROPIC});
        b.rec(SETWINDOWEXT, {1000, 2000});
    }) << QRect(0, 0, 2000, 1000) << QRectF(0, 0, 1000, 500);
    // Hundredths of an inch at 96 page units per inch, y up; extents ignored.
    QTest::newRow("MM_LOENGLISH") << setup([](WmfBuilder& b) {
        b.rec(SETMAPMODE, {MM_LOENGLISH});
        b.rec(SETWINDOWEXT, {7, 7});
    }) << QRect(0, -100, 100, 100) << QRectF(0, 0, 96, 96);
    QTest::newRow("viewport origin and window offset") << setup([](WmfBuilder& b) {
        b.rec(SETVIEWPORTORG, {20, 50});
        b.rec(OFFSETWINDOWORG, {10, 10});
    }) << QRect(10, 10, 100, 100) << QRectF(50, 20, 100, 100);
    QTest::newRow("scaled window extent") << setup([](WmfBuilder& b) {
        b.rec(SETWINDOWEXT, {1000, 1000});
        b.rec(SCALEWINDOWEXT, {1, 2, 1, 2}); // y 2/1, x 2/1
    }) << QRect(0, 0, 1000, 1000) << QRectF(0, 0, 500, 500);
}

void TestWmfPlayer::mapping() {
    QFETCH(QByteArray, setup);
    QFETCH(QRect, logical);
    QFETCH(QRectF, device);
    const QRect& r = logical;
    const QByteArray bytes =
        WmfBuilder::continuing(setup)
            .rec(RECTANGLE, {r.top() + r.height(), r.left() + r.width(), r.top(), r.left()})
            .end();
    const auto d = playRecorded(bytes);
    QCOMPARE(firstPathBounds(*d), device);
}

void TestWmfPlayer::targetPlacement() {
    // The frame maps onto the target wherever it is; the natural size
    // follows the units per inch.
    const QByteArray bytes =
        WmfBuilder(100, 100, 300, 200, 200).rec(RECTANGLE, {200, 300, 100, 100}).end();
    const auto doc = Document::parse(bytes);
    QVERIFY(doc);
    QCOMPARE(doc->naturalSizeInches(), QSizeF(1.0, 0.5));
    const auto d = playRecorded(bytes, nullptr, QRectF(10, 20, 400, 200));
    QCOMPARE(firstPathBounds(*d), QRectF(10, 20, 400, 200));
}

void TestWmfPlayer::sizeOfFixedModeFileIsMeasured() {
    // No placeable header and a fixed mode: the frame is what is drawn.
    // A hundredth-of-an-inch square of 100 units, y up, is one inch.
    const QByteArray bytes = WmfBuilder(0, 0, 0, 0, 0)
                                 .rec(SETMAPMODE, {MM_LOENGLISH})
                                 .rec(CREATEPENINDIRECT, {PS_NULL, 0, 0, 0, 0})
                                 .rec(SELECTOBJECT, {0})
                                 .rec(RECTANGLE, {-300, 200, -200, 100})
                                 .end();
    const auto doc = Document::parse(bytes);
    QVERIFY(doc);
    QCOMPARE(doc->naturalSizeInches(), QSizeF(1, 1));
    QCOMPARE(firstPathBounds(*playRecorded(bytes, nullptr, QRectF(0, 0, 96, 96))),
             QRectF(0, 0, 96, 96));
}

void TestWmfPlayer::arcs() {
    // Ellipse box (0,0)-(200,200); radial points at 3 and 12 o'clock.
    auto arcBounds = [](quint16 fn, int xs, int ys, int xe, int ye) {
        const auto d = playRecorded(unitBuilder().rec(fn, {ye, xe, ys, xs, 200, 200, 0, 0}).end());
        return firstPathBounds(*d);
    };
    // Counter-clockwise from 3 to 12 o'clock: the upper right quarter.
    QCOMPARE(arcBounds(ARC, 200, 100, 100, 0), QRectF(100, 0, 100, 100));
    // From 12 to 3 o'clock: the other three quarters.
    QCOMPARE(arcBounds(ARC, 100, 0, 200, 100), QRectF(0, 0, 200, 200));
    // Start equal to end: the whole ellipse.
    QCOMPARE(arcBounds(ARC, 150, 20, 150, 20), QRectF(0, 0, 200, 200));
    // A pie of the upper right quarter includes the centre; its path is closed.
    QCOMPARE(arcBounds(PIE, 200, 100, 100, 0), QRectF(100, 0, 100, 100));
    // A radial point inside the box still gives its angle.
    QCOMPARE(arcBounds(CHORD, 150, 100, 100, 50), QRectF(100, 0, 100, 100));
}

void TestWmfPlayer::fontHeights() {
    WmfBuilder b = unitBuilder();
    font(b, -50).rec(SELECTOBJECT, {0});
    b.rec(SETTEXTALIGN, {TA_BASELINE});
    extTextOut(b, 10, 100, "em");
    font(b, 50).rec(SELECTOBJECT, {1});
    extTextOut(b, 10, 200, "cell");
    // Window twice as large: sizes halve on the device.
    b.rec(SETWINDOWEXT, {2000, 2000});
    b.rec(SELECTOBJECT, {0});
    extTextOut(b, 10, 400, "half");
    const auto texts = playRecorded(b.end())->texts();
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts[0].pixelSize, 50.0);
    // A cell height includes the internal leading: the em is smaller.
    QVERIFY2(texts[1].pixelSize < 50 && texts[1].pixelSize > 30,
             qPrintable(QString::number(texts[1].pixelSize)));
    QCOMPARE(texts[2].pixelSize, 25.0);
    QCOMPARE(texts[2].origin, QPointF(5, 200));
}

void TestWmfPlayer::textAlignment_data() {
    QTest::addColumn<int>("align");
    QTest::addColumn<double>("firstX");
    // "AB" at x 500 with advances 30 and 40.
    QTest::newRow("left") << int(TA_BASELINE) << 500.0;
    QTest::newRow("right") << int(TA_BASELINE | TA_RIGHT) << 430.0;
    QTest::newRow("centre") << int(TA_BASELINE | TA_CENTER) << 465.0;
}

void TestWmfPlayer::textAlignment() {
    QFETCH(int, align);
    QFETCH(double, firstX);
    WmfBuilder b = unitBuilder();
    font(b, -20).rec(SELECTOBJECT, {0}).rec(SETTEXTALIGN, {align});
    extTextOut(b, 500, 300, "AB", {30, 40});
    const auto texts = playRecorded(b.end())->texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0].text, QStringLiteral("A"));
    QCOMPARE(texts[0].origin, QPointF(firstX, 300));
    QCOMPARE(texts[1].origin, QPointF(firstX + 30, 300));
}

void TestWmfPlayer::updateCurrentPosition() {
    // The record's own position is ignored; each run starts where the last
    // one ended, by the sum of its dx values. Top alignment puts the
    // baseline below the reference point.
    WmfBuilder b = unitBuilder();
    font(b, -20).rec(SELECTOBJECT, {0}).rec(SETTEXTALIGN, {TA_BASELINE | TA_UPDATECP});
    b.rec(MOVETO, {200, 100});
    extTextOut(b, 0, 0, "AB", {30, 40});
    extTextOut(b, 900, 900, "C", {10});
    b.rec(SETTEXTALIGN, {0});
    extTextOut(b, 100, 600, "T");
    const auto texts = playRecorded(b.end())->texts();
    QCOMPARE(texts.size(), 4);
    QCOMPARE(texts[0].origin, QPointF(100, 200));
    QCOMPARE(texts[1].origin, QPointF(130, 200));
    QCOMPARE(texts[2].origin, QPointF(170, 200));
    QCOMPARE(texts[3].origin.x(), 100.0);
    QVERIFY(texts[3].origin.y() > 600 && texts[3].origin.y() < 620);
}

void TestWmfPlayer::escapementRotatesText() {
    WmfBuilder b = unitBuilder();
    font(b, -20, 0, "Arial", 900).rec(SELECTOBJECT, {0}).rec(SETTEXTALIGN, {TA_BASELINE});
    extTextOut(b, 300, 400, "AB", {30, 40});
    const auto texts = playRecorded(b.end())->texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(qRound(texts[0].angle), 90);
    // The second letter goes up the page.
    QCOMPARE(texts[1].origin.x(), 300.0);
    QCOMPARE(texts[1].origin.y(), 370.0);
}

void TestWmfPlayer::opaqueAndClippedText() {
    WmfBuilder b = unitBuilder();
    font(b, -20).rec(SELECTOBJECT, {0}).rec(SETTEXTALIGN, {TA_BASELINE});
    b.rec(SETBKMODE, {TRANSPARENT});
    b.rec(SETBKCOLOR, {0x00FF, 0x0000}); // red
    extTextOut(b, 100, 120, "Clip", {10, 10, 10, 10}, 0x0006, QRect(100, 100, 25, 30));
    const auto d = playRecorded(b.end());
    const auto paths = d->paths();
    QCOMPARE(paths.size(), 1);
    QCOMPARE(paths[0].bounds, QRectF(100, 100, 25, 30));
    QCOMPARE(paths[0].brush.color(), QColor(Qt::red));
    const auto texts = d->texts();
    QCOMPARE(texts.size(), 4);
    QVERIFY(texts[0].clipped);
    QCOMPARE(texts[0].clip, QRectF(100, 100, 25, 30));
}

void TestWmfPlayer::charsets() {
    WmfBuilder b = unitBuilder();
    b.rec(SETTEXTALIGN, {TA_BASELINE});
    font(b, -20, 128, "\x82\x6c\x82\x72 Gothic").rec(SELECTOBJECT, {0});
    // Two double-byte characters; dx has one entry per byte.
    extTextOut(b, 100, 100, "\x93\xfa\x96\x7b", {15, 5, 18, 2});
    font(b, -20, 2, "Symbol").rec(SELECTOBJECT, {1});
    extTextOut(b, 100, 200, "abp", {10, 10, 10});
    font(b, -20, 0, "Arial").rec(SELECTOBJECT, {2});
    extTextOut(b, 100, 300, "\x80\x93x\x94", {10, 10, 10, 10});
    // Wingdings bullets and ticks become their Unicode signs; the rest go to
    // the private area where an installed Wingdings has them.
    font(b, -20, 2, "Wingdings").rec(SELECTOBJECT, {3});
    extTextOut(b, 100, 350, "l\xfc$", {10, 10, 10});
    b.rec(SELECTOBJECT, {2});
    b.rec(TEXTOUT, {3}, QByteArray("odd\0", 4) + WmfBuilder::le16(400) + WmfBuilder::le16(100));
    const auto texts = playRecorded(b.end())->texts();
    QStringList runs;
    for (const auto& t : texts)
        runs << t.text;
    QCOMPARE(runs, QStringList({QStringLiteral("日"), QStringLiteral("本"), QStringLiteral("α"),
                                QStringLiteral("β"), QStringLiteral("π"), QStringLiteral("€"),
                                QStringLiteral("“"), QStringLiteral("x"), QStringLiteral("”"),
                                QStringLiteral("●"), QStringLiteral("✔"), QString(QChar(0xF024)),
                                QStringLiteral("odd")}));
    QCOMPARE(texts[1].origin, QPointF(120, 100));
    QCOMPARE(texts.last().origin, QPointF(100, 400));
}

void TestWmfPlayer::bitmapOrientation_data() {
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<int>("height"); // of the DIB: negative is top-down
    QTest::addColumn<int>("destWidth");
    QTest::addColumn<QRgb>("topLeft"); // as seen on the device
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
    // Stored rows: first red, green; then blue, white.
    QTest::newRow("bottom-up") << QByteArray() << 2 << 100 << blue;
    QTest::newRow("top-down") << QByteArray() << -2 << 100 << red;
    QTest::newRow("negative destination width") << QByteArray() << 2 << -100 << white;
    WmfBuilder yUp(0, 0, 1000, 1000, 96);
    yUp.rec(SETWINDOWORG, {1000, 0}).rec(SETWINDOWEXT, {-1000, 1000});
    QTest::newRow("y-up window mirrors") << yUp.withoutEnd() << 2 << 100 << red;
}

void TestWmfPlayer::bitmapOrientation() {
    QFETCH(QByteArray, setup);
    QFETCH(int, height);
    QFETCH(int, destWidth);
    QFETCH(QRgb, topLeft);
    const QVector<QRgb> rows = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                qRgb(255, 255, 255)};
    const int x = destWidth < 0 ? 300 : 200;
    const QByteArray bytes =
        WmfBuilder::continuing(setup.isEmpty() ? unitBuilder().withoutEnd() : setup)
            .rec(STRETCHDIB, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, destWidth, 200, x},
                 dib24(2, height, rows))
            .end();
    const auto images = playRecorded(bytes)->images();
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].bounds.size(), QSizeF(100, 100));
    QCOMPARE(images[0].image.pixel(0, 0) | 0xFF000000, topLeft);
}

void TestWmfPlayer::maskPairsBecomeTransparency() {
    const QVector<QRgb> mask = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 0),
                                qRgb(255, 255, 255)};
    WmfBuilder b = unitBuilder();
    // SRCAND keeps the page under white; SRCPAINT keeps it under black.
    b.rec(DIBSTRETCHBLT, {0x00C6, 0x0088, 2, 2, 0, 0, 100, 100, 0, 0}, dib24(2, -2, mask));
    b.rec(DIBSTRETCHBLT, {0x0086, 0x00EE, 2, 2, 0, 0, 100, 100, 0, 0}, dib24(2, -2, mask));
    const auto images = playRecorded(b.end())->images();
    QCOMPARE(images.size(), 2);
    QCOMPARE(qAlpha(images[0].image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(images[0].image.pixel(1, 0)), 255);
    QCOMPARE(qAlpha(images[1].image.pixel(0, 0)), 255);
    QCOMPARE(qAlpha(images[1].image.pixel(1, 0)), 0);
}

void TestWmfPlayer::blitWithoutBitmapFillsWithBrush() {
    // 1440 units per inch onto 96 device units per inch: 15 units a pixel.
    WmfBuilder b(0, 0, 1440, 1440, 1440);
    b.rec(CREATEBRUSHINDIRECT, {0, 0xFF00, 0x0000, 0}).rec(SELECTOBJECT, {0}); // green
    // DIBBITBLT without bitmap: rop, ySrc, xSrc, reserved, height, width, y, x.
    b.rec(DIBBITBLT, {0x0021, 0x00F0, 0, 0, 0, 1, 300, 75, 150});
    const auto paths = playRecorded(b.end(), nullptr, QRectF(0, 0, 96, 96))->paths();
    QCOMPARE(paths.size(), 1);
    QCOMPARE(paths[0].brush.color(), QColor(0, 255, 0));
    QCOMPARE(paths[0].bounds.x(), 10.0);
    QCOMPARE(paths[0].bounds.y(), 5.0);
    QCOMPARE(paths[0].bounds.width(), 20.0);
    // A one-unit rule, a fifteenth of a pixel, stays one pixel high.
    QCOMPARE(paths[0].bounds.height(), 1.0);
}

void TestWmfPlayer::clipping() {
    WmfBuilder b = unitBuilder();
    b.rec(CREATEPENINDIRECT, {0, 1, 0, 0, 0}); // slot 0
    b.rec(INTERSECTCLIPRECT, {300, 300, 100, 100});
    b.rec(RECTANGLE, {250, 250, 150, 150});
    b.rec(SAVEDC, {});
    b.rec(EXCLUDECLIPRECT, {200, 200, 150, 150});
    b.rec(RECTANGLE, {250, 250, 150, 150});
    b.rec(RESTOREDC, {-1});
    b.rec(RECTANGLE, {250, 250, 150, 150});
    b.rec(SELECTCLIPREGION, {0}); // slot 0 is no region: the clip is reset
    b.rec(RECTANGLE, {250, 250, 150, 150});
    const auto paths = playRecorded(b.end())->paths();
    // Each rectangle is a fill and an outline.
    QCOMPARE(paths.size(), 8);
    QCOMPARE(paths[0].clip, QRectF(100, 100, 200, 200));
    QVERIFY(!paths[2].clipPath.contains(QPointF(175, 175)));
    QVERIFY(paths[2].clipPath.contains(QPointF(250, 250)));
    QCOMPARE(paths[4].clip, QRectF(100, 100, 200, 200));
    // Only the target remains.
    QCOMPARE(paths[6].clip, QRectF(0, 0, 1000, 1000));
}

void TestWmfPlayer::objectSlots() {
    WmfBuilder b = unitBuilder();
    b.rec(CREATEPENINDIRECT, {0, 1, 0, 0x00FF, 0}); // 0: red pen
    b.rec(CREATEBRUSHINDIRECT, {0, 0xFF00, 0, 0});  // 1: green brush
    b.rec(DELETEOBJECT, {0});
    b.rec(CREATEBRUSHINDIRECT, {0, 0x0000, 0x00FF, 0}); // takes 0: blue brush
    b.rec(SELECTOBJECT, {0});
    b.rec(SELECTOBJECT, {57}); // never made: ignored
    b.rec(DELETEOBJECT, {9});
    b.rec(RECTANGLE, {20, 20, 10, 10});
    b.rec(DELETEOBJECT, {0});           // deleting the selected brush
    b.rec(RECTANGLE, {40, 40, 30, 30}); // keeps drawing with it
    PlayReport report;
    const auto paths = playRecorded(b.end(), &report)->paths();
    QCOMPARE(report.badObjectIndices, 2);
    QCOMPARE(paths.size(), 4);
    QCOMPARE(paths[0].brush.color(), QColor(Qt::blue));
    QCOMPARE(paths[2].brush.color(), QColor(Qt::blue));
}

QTEST_MAIN(TestWmfPlayer)
#include "tst_wmfplayer.moc"
