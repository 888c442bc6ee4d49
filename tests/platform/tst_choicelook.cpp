// SPDX-License-Identifier: GPL-3.0-or-later
// Option buttons and tick boxes as a pupil sees them: an indicator about as
// tall as the capitals of its text, plainly filled or ticked when chosen.

#include "platform/choicelook.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace {

const QColor kBlue(39, 55, 131);

template <typename Button> std::unique_ptr<Button> makeButton(const QFont& font, bool checked) {
    auto button = std::make_unique<Button>(QStringLiteral("Wg"));
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    palette.setColor(QPalette::Window, kBlue);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    platform::useChoiceLook(button.get());
    button->setChecked(checked);
    button->resize(QFontMetrics(font).horizontalAdvance(QStringLiteral("Wg")) * 4,
                   QFontMetrics(font).height() * 2);
    return button;
}

bool isInk(QRgb pixel) {
    // Anything noticeably nearer the yellow text than the blue background.
    return qRed(pixel) > 140 && qGreen(pixel) > 140 && qBlue(pixel) < 120;
}

// The indicator's ink: the first run of inked columns from the left edge.
QRect indicatorInk(const QImage& image) {
    QRect ink;
    bool started = false;
    for (int x = 0; x < image.width(); ++x) {
        bool column = false;
        for (int y = 0; y < image.height(); ++y) {
            if (isInk(image.pixel(x, y))) {
                column = true;
                ink |= QRect(x, y, 1, 1);
            }
        }
        if (started && !column)
            break;
        started = started || column;
    }
    return ink;
}

// The share of inked pixels in the middle half of a rectangle.
double inkInside(const QImage& image, const QRect& box) {
    const QRect middle =
        box.adjusted(box.width() / 4, box.height() / 4, -box.width() / 4, -box.height() / 4);
    int inked = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
            inked += isInk(image.pixel(x, y)) ? 1 : 0;
    return double(inked) / (middle.width() * middle.height());
}

QFont font(const char* family, double points, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

class ChoiceLookTest : public QObject {
    Q_OBJECT
private slots:
    void indicatorFollowsTheFont_data() {
        QTest::addColumn<QFont>("font");
        QTest::newRow("sound switch") << font("Tahoma", 9.75, true);
        QTest::newRow("quiz answer") << font("Times New Roman", 20.25);
        QTest::newRow("large") << font("Times New Roman", 40);
    }

    // The painted ring is about as tall as a capital letter: not the tiny
    // fixed circle of the toolkit, nor as tall as the whole line.
    void indicatorFollowsTheFont() {
        QFETCH(QFont, font);
        const double capitals = QFontMetricsF(font).capHeight();
        for (bool tickBox : {false, true}) {
            const QImage image = tickBox ? makeButton<QCheckBox>(font, true)->grab().toImage()
                                         : makeButton<QRadioButton>(font, true)->grab().toImage();
            const QRect ink = indicatorInk(image);
            QVERIFY2(ink.height() >= capitals * 0.95 && ink.height() <= capitals * 1.5,
                     qPrintable(QStringLiteral("indicator %1 px for capitals of %2 px")
                                    .arg(ink.height())
                                    .arg(capitals)));
            QVERIFY(qAbs(ink.width() - ink.height()) <= 1);
        }
        QCOMPARE(platform::choiceIndicatorSize(font), qMax(11, qRound(capitals * 1.2)));
    }

    // Chosen or not is told by the middle of the indicator: solid when
    // chosen, empty when not, for option buttons and tick boxes alike.
    void chosenIsFilledAndTheRestEmpty() {
        const QFont answer = font("Times New Roman", 20.25);
        const auto middleInk = [](const QImage& image) {
            return inkInside(image, indicatorInk(image));
        };
        QVERIFY(middleInk(makeButton<QRadioButton>(answer, true)->grab().toImage()) > 0.8);
        QVERIFY(middleInk(makeButton<QRadioButton>(answer, false)->grab().toImage()) < 0.05);
        QVERIFY(middleInk(makeButton<QCheckBox>(answer, true)->grab().toImage()) > 0.15);
        QVERIFY(middleInk(makeButton<QCheckBox>(answer, false)->grab().toImage()) < 0.05);
    }
};

QTEST_MAIN(ChoiceLookTest)
#include "tst_choicelook.moc"
