// SPDX-License-Identifier: GPL-3.0-or-later
// The player against hand-computed numbers, bad input, and real files.

#include "platform/wmf/wmfdib.h"
#include "platform/wmf/wmfreader.h"
#include "wmftestkit.h"

#include <QDir>
#include <QPdfWriter>
#include <QtTest>

using namespace wmf;

namespace {

// A file that selects a font (object 0) and a text alignment.
WmfBuilder withFont(int height, int align = TA_BASELINE, int charset = 0,
                    const QByteArray& face = "Arial", int escapement = 0) {
    WmfBuilder b;
    b.font(height, charset, face, escapement).rec(SELECTOBJECT, {0}).rec(SETTEXTALIGN, {align});
    return b;
}

// Each text run as "text@x,y/pixel size", with "^degrees" when it is turned.
QString runs(const RecordingDevice& d) {
    QStringList out;
    for (const RecordedItem& t : d.items(RecordedItem::Text)) {
        const int angle = qRound(t.angle);
        out << t.text + QString::asprintf("@%g,%g/%g", t.origin.x(), t.origin.y(), t.pixelSize) +
                   (angle ? QStringLiteral("^%1").arg(angle) : QString());
    }
    return out.join(QLatin1Char(' '));
}

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255),
           kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255);

enum Kind { Colours, PaletteIndices, DeviceBitmap };

// Decodes and returns the image as pixelsOf() writes it, "" when refused.
QString decoded(const QByteArray& bytes, int kind) {
    const Reader in(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
    Dib dib;
    if (kind == DeviceBitmap)
        return decodeBitmap16(in, kBlack, kWhite, dib.image) ? pixelsOf(dib.image) : QString();
    return decodeDib(in, kind == PaletteIndices, {kRed, kGreen, kBlue}, dib) ? pixelsOf(dib.image)
                                                                             : QString();
}

} // namespace

class TestWmfPlayer : public QObject {
    Q_OBJECT

    const QDir corpus{QStringLiteral(CORVELLA_WMF_CORPUS)}; // real files from several producers

private slots:
    void geometry_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QRectF>("target");
        QTest::addColumn<QRectF>("firstPath");
        QTest::addColumn<QColor>("fill");   // not checked when invalid
        QTest::addColumn<QSizeF>("inches"); // the natural size; not checked when empty
        auto row = [](const char* name, const QByteArray& file, QRectF expected,
                      QRectF target = QRectF(0, 0, 1000, 1000), QSizeF inches = {},
                      QColor fill = {}) {
            QTest::newRow(name) << file << target << expected << fill << inches;
        };
        // Records then a rectangle from logical (x, y) of size w x h.
        auto rect = [](std::initializer_list<Rec> records, int x, int y, int w, int h) {
            return WmfBuilder().recs(records).rec(RECTANGLE, {y + h, x + w, y, x}).end();
        };
        row("anisotropic window",
            rect({{SETMAPMODE, {MM_ANISOTROPIC}},
                  {SETWINDOWORG, {100, 100}},
                  {SETWINDOWEXT, {500, 250}}},
                 100, 100, 250, 500),
            QRectF(0, 0, 1000, 1000));
        row("window extent in MM_TEXT, as producers write it",
            rect({{SETWINDOWEXT, {2000, 2000}}}, 0, 0, 1000, 1000), QRectF(0, 0, 500, 500));
        row("negative extent flips y",
            rect({{SETWINDOWORG, {500, 0}}, {SETWINDOWEXT, {-500, 1000}}}, 0, 0, 500, 250),
            QRectF(0, 500, 500, 500));
        row("isotropic keeps the aspect",
            rect({{SETMAPMODE, {MM_ISOTROPIC}}, {SETWINDOWEXT, {1000, 2000}}}, 0, 0, 2000, 1000),
            QRectF(0, 0, 1000, 500));
        // Hundredths of an inch at 96 page units per inch, y up; extents ignored.
        row("MM_LOENGLISH",
            rect({{SETMAPMODE, {MM_LOENGLISH}}, {SETWINDOWEXT, {7, 7}}}, 0, -100, 100, 100),
            QRectF(0, 0, 96, 96));
        row("viewport origin and window offset",
            rect({{SETVIEWPORTORG, {20, 50}}, {OFFSETWINDOWORG, {10, 10}}}, 10, 10, 100, 100),
            QRectF(50, 20, 100, 100));
        row("scaled window extent",
            rect({{SETWINDOWEXT, {1000, 1000}}, {SCALEWINDOWEXT, {1, 2, 1, 2}}}, 0, 0, 1000, 1000),
            QRectF(0, 0, 500, 500));
        WmfBuilder saves;
        saves.rec(SAVEDC, {}).rec(SETWINDOWEXT, {2000, 2000}).rec(SAVEDC, {}).rec(SAVEDC, {});
        saves.rec(RESTOREDC, {1}).rec(RECTANGLE, {20, 20, 10, 10});
        row("restoring an absolute level", saves.end(), QRectF(10, 10, 10, 10));
        row("the frame fills a target elsewhere",
            WmfBuilder(100, 100, 300, 200, 200).rec(RECTANGLE, {200, 300, 100, 100}).end(),
            QRectF(10, 20, 400, 200), QRectF(10, 20, 400, 200), QSizeF(1, 0.5));
        // Without a placeable header the viewport (else window) is the frame.
        WmfBuilder bare(0, 0, 0, 0, 0), fixed(0, 0, 0, 0, 0);
        bare.rec(SETWINDOWEXT, {192, 96}).rec(SETVIEWPORTEXT, {384, 192});
        row("no placeable header", bare.rec(RECTANGLE, {48, 48, 0, 0}).end(), QRectF(0, 0, 96, 96),
            QRectF(0, 0, 192, 384), QSizeF(2, 4));
        fixed.rec(SETMAPMODE, {MM_LOENGLISH}).rec(CREATEPENINDIRECT, {PS_NULL, 0, 0, 0, 0});
        fixed.rec(SELECTOBJECT, {0}).rec(RECTANGLE, {-300, 200, -200, 100});
        row("a fixed mode measures its frame", fixed.end(), QRectF(0, 0, 96, 96),
            QRectF(0, 0, 96, 96), QSizeF(1, 1));
        // Ellipse box (0,0)-(200,200); radial points at 3 and 12 o'clock.
        auto arc = [](quint16 fn, int xs, int ys, int xe, int ye) {
            return WmfBuilder().rec(fn, {ye, xe, ys, xs, 200, 200, 0, 0}).end();
        };
        row("arc counter-clockwise, 3 to 12", arc(ARC, 200, 100, 100, 0), QRectF(100, 0, 100, 100));
        row("arc counter-clockwise, 12 to 3", arc(ARC, 100, 0, 200, 100), QRectF(0, 0, 200, 200));
        row("arc from its end is whole", arc(ARC, 150, 20, 150, 20), QRectF(0, 0, 200, 200));
        row("pie", arc(PIE, 200, 100, 100, 0), QRectF(100, 0, 100, 100));
        row("chord, a radial point inside", arc(CHORD, 150, 100, 100, 50),
            QRectF(100, 0, 100, 100));
        // 15 units a pixel; a one-unit rule stays one pixel high.
        WmfBuilder blit(0, 0, 1440, 1440, 1440);
        blit.rec(CREATEBRUSHINDIRECT, {0, 0xFF00, 0x0000, 0}).rec(SELECTOBJECT, {0});
        blit.rec(DIBBITBLT, {0x0021, 0x00F0, 0, 0, 0, 1, 300, 75, 150});
        row("blit without bitmap fills with the brush", blit.end(), QRectF(10, 5, 20, 1),
            QRectF(0, 0, 96, 96), QSizeF(1, 1), QColor(0, 255, 0));
    }

    void geometry() {
        QFETCH(QByteArray, file);
        QFETCH(QRectF, target);
        QFETCH(QRectF, firstPath);
        QFETCH(QColor, fill);
        QFETCH(QSizeF, inches);
        const auto paths = play(file, nullptr, target)->items(RecordedItem::Path);
        QVERIFY(!paths.isEmpty());
        QCOMPARE(paths[0].bounds, firstPath);
        if (fill.isValid())
            QCOMPARE(paths[0].brush.color(), fill);
        if (!inches.isEmpty())
            QCOMPARE(Document::parse(file)->naturalSizeInches(), inches);
    }

    void text_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("runs");
        auto row = [](const char* name, const WmfBuilder& b, const QString& runs) {
            QTest::newRow(name) << b.end() << runs;
        };
        // "AB" at x 500 with advances 30 and 40.
        auto ab = [](int align) {
            return withFont(-20, TA_BASELINE | align).text(500, 300, "AB", {30, 40});
        };
        row("left", ab(0), "A@500,300/20 B@530,300/20");
        row("right", ab(TA_RIGHT), "A@430,300/20 B@460,300/20");
        row("centre", ab(TA_CENTER), "A@465,300/20 B@495,300/20");
        // Each run starts where the last one ended (by its dx), not at its own position.
        WmfBuilder cp = withFont(-20, TA_BASELINE | TA_UPDATECP);
        cp.rec(MOVETO, {200, 100}).text(0, 0, "AB", {30, 40}).text(900, 900, "C", {10});
        row("current position", cp, "A@100,200/20 B@130,200/20 C@170,200/20");
        row("escapement turns the run up the page",
            withFont(-20, TA_BASELINE, 0, "Arial", 900).text(300, 400, "AB", {30, 40}),
            "A@300,400/20^90 B@300,370/20^90");
        WmfBuilder half = withFont(-50);
        half.text(10, 100, "em").rec(SETWINDOWEXT, {2000, 2000}).text(10, 400, "half");
        row("a window twice as large", half, "em@10,100/50 half@5,200/25");
        // dx has one entry per byte of a double-byte character.
        WmfBuilder jis = withFont(-20, TA_BASELINE, 128, "\x82\x6c\x82\x72 Gothic");
        row("Shift-JIS", jis.text(100, 100, "\x93\xfa\x96\x7b", {15, 5, 18, 2}),
            "日@100,100/20 本@120,100/20");
        row("Symbol", withFont(-20, TA_BASELINE, 2, "Symbol").text(100, 200, "abp", {10, 10, 10}),
            "α@100,200/20 β@110,200/20 π@120,200/20");
        row("Windows-1252", withFont(-20).text(100, 300, "\x80\x93x\x94", {10, 10, 10, 10}),
            "€@100,300/20 “@110,300/20 x@120,300/20 ”@130,300/20");
        // Bullets and ticks become Unicode signs; the rest go to the private area.
        row("Wingdings",
            withFont(-20, TA_BASELINE, 2, "Wingdings").text(100, 350, "l\xfc$", {10, 10, 10}),
            QString("●@100,350/20 ✔@110,350/20 \uF024@120,350/20"));
        row("TEXTOUT",
            withFont(-20).rec(TEXTOUT, {3}, QByteArray("odd\0", 4) + le16(400) + le16(100)),
            "odd@100,400/20");
    }

    void text() {
        QFETCH(QByteArray, file);
        QFETCH(QString, runs);
        QCOMPARE(::runs(*play(file)), runs);
    }

    void textByFontMetricsAndOptions() {
        // Cell height, top alignment, and an opaque clipped run in transparent mode.
        WmfBuilder b = withFont(50, 0);                                    // top alignment
        b.rec(SETBKMODE, {TRANSPARENT}).rec(SETBKCOLOR, {0x00FF, 0x0000}); // red
        b.text(10, 200, "cell").font(-20).rec(SELECTOBJECT, {1}).text(100, 600, "T");
        b.text(100, 120, "Clip", {10, 10, 10, 10}, 0x0006, QRect(100, 100, 25, 30));
        const auto d = play(b.end());
        const auto texts = d->items(RecordedItem::Text);
        QCOMPARE(texts.size(), 6);
        QVERIFY(texts[0].pixelSize < 50 && texts[0].pixelSize > 30); // the em is below the cell
        QVERIFY(texts[1].origin.y() > 600 && texts[1].origin.y() < 620);
        QCOMPARE(texts[2].clip.boundingRect(), QRectF(100, 100, 25, 30));
        const auto paths = d->items(RecordedItem::Path);
        QCOMPARE(paths.size(), 1);
        QCOMPARE(paths[0].bounds, QRectF(100, 100, 25, 30));
        QCOMPARE(paths[0].brush.color(), QColor(Qt::red));
    }

    void bitmaps_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("pixels"); // as seen on the device
        QTest::addColumn<QRectF>("bounds");
        // Stored rows "rg" then "bw".
        auto stretch = [&](WmfBuilder file, int height, int srcY, int srcH, int x, int destW) {
            return file
                .rec(STRETCHDIB, {0x0020, 0x00CC, 0, srcH, 2, srcY, 0, 100, destW, 200, x},
                     dibHeader(2, height, 32) + quads({kRed, kGreen, kBlue, kWhite}))
                .end();
        };
        const QRectF dest(200, 200, 100, 100);
        QTest::newRow("bottom-up") << stretch(WmfBuilder(), 2, 0, 2, 200, 100) << "bw/rg" << dest;
        QTest::newRow("top-down") << stretch(WmfBuilder(), -2, 0, 2, 200, 100) << "rg/bw" << dest;
        QTest::newRow("negative destination width mirrors")
            << stretch(WmfBuilder(), 2, 0, 2, 300, -100) << "wb/gr" << dest;
        QTest::newRow("y-up window mirrors")
            << stretch(WmfBuilder().rec(SETWINDOWORG, {1000, 0}).rec(SETWINDOWEXT, {-1000, 1000}),
                       2, 0, 2, 200, 100)
            << "rg/bw" << QRectF(200, 700, 100, 100);
        QTest::newRow("source rows count from the bottom")
            << stretch(WmfBuilder(), 2, 0, 1, 200, 100) << "rg" << dest;
        // A mask drawn with AND keeps the page under white; OR under black.
        auto mask = [](int rop) {
            const QByteArray dib = dibHeader(2, -2, 32) + quads({kWhite, kBlack, kBlack, kWhite});
            return WmfBuilder()
                .rec(DIBSTRETCHBLT, {0xC6, rop, 2, 2, 0, 0, 100, 100, 0, 0}, dib)
                .end();
        };
        QTest::newRow("AND mask") << mask(0x88) << ".k/k." << QRectF(0, 0, 100, 100);
        QTest::newRow("OR mask") << mask(0xEE) << "w./.w" << QRectF(0, 0, 100, 100);
    }

    void bitmaps() {
        QFETCH(QByteArray, file);
        QFETCH(QString, pixels);
        QFETCH(QRectF, bounds);
        const auto images = play(file)->items(RecordedItem::Image);
        QCOMPARE(images.size(), 1);
        QCOMPARE(pixelsOf(images[0].image), pixels);
        QCOMPARE(images[0].bounds, bounds);
    }

    void clipping() {
        // Clip, exclude inside a save, restore, then select a pen as the region: no clip.
        const std::vector<int> square = {250, 250, 150, 150};
        WmfBuilder b;
        b.rec(CREATEPENINDIRECT, {0, 1, 0, 0, 0}).rec(INTERSECTCLIPRECT, {300, 300, 100, 100});
        b.rec(RECTANGLE, square).rec(SAVEDC, {}).rec(EXCLUDECLIPRECT, {200, 200, 150, 150});
        b.rec(RECTANGLE, square).rec(RESTOREDC, {-1}).rec(RECTANGLE, square);
        b.rec(SELECTCLIPREGION, {0}).rec(RECTANGLE, square);
        const auto paths = play(b.end())->items(RecordedItem::Path);
        // Each square is a fill and an outline.
        QCOMPARE(paths.size(), 8);
        QCOMPARE(paths[0].clip.boundingRect(), QRectF(100, 100, 200, 200));
        for (QPointF outside : {QPointF(175, 175), QPointF(50, 50)})
            QVERIFY(!paths[2].clip.contains(outside));
        QVERIFY(paths[2].clip.contains(QPointF(250, 250)));
        QCOMPARE(paths[4].clip.boundingRect(), QRectF(100, 100, 200, 200));
        QCOMPARE(paths[6].clip.boundingRect(), QRectF(0, 0, 1000, 1000)); // only the target
    }

    void objectSlots() {
        // A deleted pen's slot goes to a blue brush, which stays in use once deleted.
        WmfBuilder b;
        b.rec(CREATEPENINDIRECT, {0, 1, 0, 0x00FF, 0}).rec(CREATEBRUSHINDIRECT, {0, 0xFF00, 0, 0});
        b.rec(DELETEOBJECT, {0}).rec(CREATEBRUSHINDIRECT, {0, 0, 0x00FF, 0}).rec(SELECTOBJECT, {0});
        b.rec(SELECTOBJECT, {57}).rec(DELETEOBJECT, {9}).rec(RECTANGLE, {20, 20, 10, 10});
        b.rec(DELETEOBJECT, {0}).rec(RECTANGLE, {40, 40, 30, 30});
        PlayReport report;
        const auto paths = play(b.end(), &report)->items(RecordedItem::Path);
        QCOMPARE(report.badObjectIndices, 2);
        QCOMPARE(paths.size(), 4);
        QCOMPARE(paths[0].brush.color(), QColor(Qt::blue));
        QCOMPARE(paths[2].brush.color(), QColor(Qt::blue));
    }

    void badInput_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // a part of the message
        QTest::addColumn<int>("records");   // kept before the damage; -1: refused
        QByteArray badType = WmfBuilder(0, 0, 0, 0, 0).end(), badSize = badType;
        badType[0] = 3;
        badSize[2] = 10;
        const QByteArray rect = WmfBuilder().rec(RECTANGLE, {20, 20, 10, 10}).bytes;
        QTest::newRow("empty") << QByteArray() << QString() << -1;
        QTest::newRow("unknown header type") << badType << QString() << -1;
        QTest::newRow("wrong header size") << badSize << QString() << -1;
        QTest::newRow("placeable header alone") << WmfBuilder().end().left(22) << QString() << -1;
        QTest::newRow("a record too long")
            << rect + le32(100000) + le16(RECTANGLE) + QByteArray(8, '\0') << "claims 100000 words"
            << 1;
        QTest::newRow("a record shorter than its header")
            << rect + le32(2) + le16(0x41B) << "claims 2 words" << 1;
        QTest::newRow("no end record") << rect << "no end record" << 1;
    }

    void badInput() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QFETCH(int, records);
        QString reported;
        const auto doc = Document::parse(bytes, &reported);
        QVERIFY2(!reported.isEmpty() && reported.contains(error), qPrintable(reported));
        QCOMPARE(doc ? doc->recordCount() : -1, records);
        if (doc) {
            QCOMPARE(doc->damage(), reported);
            QCOMPARE(play(bytes)->items(RecordedItem::Path).size(), 2); // the rectangle
        }
    }

    void malformedRecordsAreSkipped() {
        WmfBuilder b;
        b.recs({{POLYGON, {30000, 1, 1, 5, 5}},            // 30000 points announced, 2 present
                {POLYLINE, {-5, 1, 1}},                    // negative count
                {POLYPOLYGON, {2, 60000, 60000, 1, 1}},    // counts far beyond the record
                {POLYPOLYGON, {40000}},                    // polygon count beyond the record
                {TEXTOUT, {5000, 0x6261}},                 // string beyond the record
                {EXTTEXTOUT, {0, 0, -3, 0}},               // negative length
                {RECTANGLE, {1, 2}},                       // too short for its fields
                {CREATEPALETTE, {0x300, 5000}},            // entries beyond the record
                {CREATEREGION, {0, 6, 0, 0, 0, 30000, 0}}, // scans beyond the record
                {ESCAPE, {15, 30000, 1, 2, 3}}});          // inner length beyond: ignored
        b.rec(STRETCHDIB, {0x20, 0xCC, 0, 10, 10, 0, 0, 10, 10, 0, 0}, dibHeader(60000, 60000, 32));
        PlayReport report;
        const auto d = play(b.rec(RECTANGLE, {20, 20, 10, 10}).end(), &report);
        QCOMPARE(report.malformed, 9);
        QCOMPARE(report.ignored, 1);
        QCOMPARE(report.unsupportedBitmaps, 1);
        QVERIFY(d->items(RecordedItem::Image).isEmpty());
        QCOMPARE(d->items(RecordedItem::Path).size(), 2); // the last rectangle
    }

    void oversizedStrokesAndFonts() {
        // One unit per 500 pixels: millions of dots, and a font far too large to show.
        WmfBuilder b;
        b.rec(SETWINDOWEXT, {1, 1}).rec(SETBKMODE, {TRANSPARENT}).rec(SELECTOBJECT, {0});
        b.rec(CREATEPENINDIRECT, {PS_DOT, 0, 0, 0, 0}).rec(SELECTOBJECT, {0});
        b.rec(MOVETO, {0, -32000}).rec(LINETO, {0, 32000});
        b.font(-30000).rec(SELECTOBJECT, {1}).rec(TEXTOUT, {1, 'W', 0, 0});
        const auto d = play(b.end(), nullptr, QRectF(0, 0, 500, 500));
        const auto paths = d->items(RecordedItem::Path);
        QCOMPARE(paths.size(), 1);
        QCOMPARE(paths[0].pen.style(), Qt::SolidLine);
        const auto texts = d->items(RecordedItem::Text);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].pixelSize, 2000.0);
    }

    void decodesBitmaps_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("pixels");
        auto row = [](const char* name, const QByteArray& bytes, const char* pixels,
                      Kind kind = Colours) { QTest::newRow(name) << bytes << int(kind) << pixels; };
        // Rows are stored bottom-up unless the height is negative. "" is refused.
        row("1 bit, four-byte rows",
            dibHeader(10, 2, 1) + quads({kBlack, kWhite}) +
                QByteArray("\x80\x40\0\0\x7f\xff\xc0\0", 8),
            "kwwwwwwwww/wkkkkkkkkw");
        row("4 bits, top-down",
            dibHeader(3, -1, 4, 0, 3) + quads({kRed, kGreen, kBlue}) + QByteArray("\x21\0\0\0", 4),
            "bgr");
        row("8 bits, indices past a short table are black",
            dibHeader(2, 1, 8, 0, 1) + quads({kGreen}) + QByteArray("\0\5\0\0", 4), "gk");
        row("16 bits, 5-5-5", dibHeader(2, 1, 16) + le16(0x7C00) + le16(0x001F), "rb");
        row("16 bits, 5-6-5 masks",
            dibHeader(2, 1, 16, 3) + le32(0xF800) + le32(0x07E0) + le32(0x001F) + le16(0x07E0) +
                le16(0xF800),
            "gr");
        row("24 bits, blue first", dibHeader(1, 1, 24) + QByteArray("\0\0\xff\0", 4), "r");
        // Runs, a padded absolute run, end of line, a delta; skipped pixels stay clear.
        row("run-length, 8 bits",
            dibHeader(4, 3, 8, 1, 3) + quads({kRed, kGreen, kBlue}) +
                QByteArray("\x03\x01\0\0\0\x03\x02\0\x01\0\0\0\0\x02\x01\0\x01\x02\0\x01", 20),
            ".b../brg./ggg.");
        row("run-length, 4 bits",
            dibHeader(5, 1, 4, 2, 4) + quads({kBlack, kRed, kGreen, kBlue}) +
                QByteArray("\x04\x12\0\x03\x30\0\0\x01", 8),
            "rgrgb");
        row("old header, three-byte colours",
            le32(12) + le16(1) + le16(1) + le16(1) + le16(1) +
                QByteArray("\0\0\xff\xff\0\0\x80\0\0\0", 10),
            "b");
        row("palette indices", dibHeader(2, 1, 1) + le16(2) + le16(0) + QByteArray("\x40\0\0\0", 4),
            "br", PaletteIndices);
        row("rows missing at the end stay black", dibHeader(1, 3, 24) + QByteArray("\0\0\xff\0", 4),
            "k/k/r");
        // Type, width, height, bytes per row, planes, bits, then rows top-down.
        const QByteArray device =
            le16(0) + le16(3) + le16(2) + le16(2) + QByteArray("\x01\x01\xa0\0\x40\0", 6);
        row("device bitmap", device, "wkw/kwk", DeviceBitmap);
        const QByteArray bits(64, '\0');
        row("no such depth", dibHeader(4, 4, 7) + bits, "");
        row("no width", dibHeader(0, 4, 8) + bits, "");
        row("ten gigapixels", dibHeader(100000, 100000, 24), "");
        row("4-bit runs at 8 bits", dibHeader(4, 4, 8, 2) + bits, "");
        row("unknown compression", dibHeader(4, 4, 8, 9) + bits, "");
        row("cut header", dibHeader(4, 4, 8).left(30), "");
        row("header size past the end", le32(0x7FFFFFFF) + dibHeader(4, 4, 8), "");
        row("device bitmap rows narrower than its width", QByteArray(device).replace(6, 2, le16(0)),
            "", DeviceBitmap);
    }

    void decodesBitmaps() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(QString, pixels);
        QCOMPARE(decoded(bytes, kind), pixels);
    }

    void corpusPlays_data() {
        if (!corpus.exists())
            QSKIP("the metafile corpus folder is absent");
        QTest::addColumn<QString>("path");
        for (const QString& f : corpus.entryList({QStringLiteral("*.wmf")}, QDir::Files))
            QTest::newRow(qPrintable(f)) << corpus.filePath(f);
    }

    void corpusPlays() {
        QFETCH(QString, path);
        QString error;
        const auto doc = Document::load(path, &error);
        QVERIFY2(doc, qPrintable(error));
        QCOMPARE(error.isEmpty(), !path.endsWith(QLatin1String("poi_61338.wmf"))); // truncated
        const QSizeF inches = doc->naturalSizeInches();
        QVERIFY(inches.width() > 0.01 && inches.width() < 20);
        QVERIFY(inches.height() > 0.01 && inches.height() < 20);
        QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        PlayReport report;
        doc->play(painter, QRectF(0, 0, 400, 300), &report);
        // Only the full test carries a malformed record (a region of 4 words).
        QCOMPARE(report.malformed, path.endsWith(QLatin1String("fulltest.wmf")) ? 1 : 0);
        QCOMPARE(report.unsupportedBitmaps, 0);
        QCOMPARE(report.played + report.ignored + report.malformed, doc->recordCount());
    }

    void printingStaysVector() {
        // An equation of text and lines goes into a PDF as text and paths, not as a picture.
        if (!corpus.exists())
            QSKIP("the metafile corpus folder is absent");
        const auto doc = Document::load(corpus.filePath(QStringLiteral("poi_64716_image2.wmf")));
        QVERIFY(doc);
        QByteArray pdf;
        {
            QBuffer buffer(&pdf);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(1200);
            writer.setPageSize(QPageSize(QPageSize::A5));
            QPainter painter(&writer);
            doc->play(painter, QRectF(QPointF(100, 100), doc->naturalSizeInches() * 1200));
        }
        QVERIFY(!pdf.contains("/Subtype /Image"));
        QVERIFY(pdf.contains("/FontFile"));
    }
};

QTEST_MAIN(TestWmfPlayer)
#include "tst_wmfplayer.moc"
