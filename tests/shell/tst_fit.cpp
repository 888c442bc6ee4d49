// SPDX-License-Identifier: GPL-3.0-or-later
// Fit to screen: the program scaled as a whole. CTest runs this twice, at
// scale 1 and at the scale that fits a 1920 by 1080 display
// (CORVELLA_TEST_SCALE), set up as the program's --fit sets it up. Clicks
// and drags are delivered to the window, so they go through Qt's mapping
// from device pixels and its hit-testing as the pointer's do; positions are
// the twips of the screens' own layouts.

#include "common/sharedstate.h"
#include "platform/accessibility.h"
#include "platform/appwindow.h"
#include "platform/displayscale.h"
#include "platform/mediapaths.h"
#include "platform/picturebox.h"
#include "platform/scaledaccessibility.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "platform/wmf/wmfdocument.h"
#include "shell/menuscreen.h"
#include "shell/titlescreen.h"
#include "support/testenv.h"
#include "support/topicscreens.h"
#include "topics/notesscreen.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <cmath>

using common::state;

namespace {

double testScale() {
    return qEnvironmentVariable("CORVELLA_TEST_SCALE", QStringLiteral("1")).toDouble();
}

// The centre of a control given in twips, on the program window.
QPoint twipsCentre(double left, double top, double width, double height) {
    return QPoint(platform::twipsToPixels(left + width / 2),
                  platform::twipsToPixels(top + height / 2));
}

QWindow* programWindow() {
    return platform::AppWindow::instance().windowHandle();
}

QString frontScreenName() {
    platform::Screen* front = platform::AppWindow::instance().frontScreen();
    return front ? front->name() : QString();
}

// Mean difference per colour channel of two images of one size, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

// The metafile played straight onto a transparent image of `size` device
// pixels at `scale`, as a picture box plays it.
QImage playedAt(const wmf::Document& page, QSize size, double scale) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    page.play(painter, QRectF(QPointF(0, 0), page.naturalSizeInches() * 96.0));
    return image;
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        env = std::make_unique<testenv::Fixture>();
        platform::setContentRoot(QStringLiteral(CORVELLA_SOURCE_MEDIA));
        shell::menuScreen().showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(programWindow()));
    }
    void cleanup() { env.reset(); }

    // The whole window is drawn at the scale, its layout unchanged.
    void theWindowIsDrawnAtTheScale() {
        QCOMPARE(platform::AppWindow::instance().size(), platform::clientSizePixels());
        QVERIFY(std::abs(programWindow()->devicePixelRatio() - testScale()) < 1e-6);
        const QPixmap drawn = platform::AppWindow::instance().grab();
        const QSize expected(int(std::ceil(platform::clientSizePixels().width() * testScale())),
                             int(std::ceil(platform::clientSizePixels().height() * testScale())));
        QVERIFY2(std::abs(drawn.width() - expected.width()) <= 1 &&
                     std::abs(drawn.height() - expected.height()) <= 1,
                 qPrintable(QStringLiteral("%1x%2").arg(drawn.width()).arg(drawn.height())));
    }

    void clicksLandOnTheSameControl_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("opens");
        // Menu items and the sound switch at the menu's own twips.
        QTest::newRow("The Tides") << twipsCentre(120, 5280, 3195, 375) << "tidesScreen";
        QTest::newRow("Life on Earth") << twipsCentre(3480, 2400, 3195, 375) << "lifeScreen";
        QTest::newRow("Introduction") << twipsCentre(120, 2400, 3195, 375) << "notesScreen";
        // The lower edge of "The Tides" still belongs to it; just below is bare screen.
        QTest::newRow("edge of The Tides")
            << QPoint(platform::twipsToPixels(1500), 376) << "tidesScreen";
        QTest::newRow("below The Tides")
            << QPoint(platform::twipsToPixels(1500), 379) << "menuScreen";
    }
    void clicksLandOnTheSameControl() {
        QFETCH(QPoint, at);
        QFETCH(QString, opens);
        QTest::mouseClick(programWindow(), Qt::LeftButton, {}, at);
        QTRY_COMPARE(frontScreenName(), opens);
    }

    void theSoundSwitchTakesItsClick() {
        QVERIFY(state().soundOn);
        QTest::mouseClick(programWindow(), Qt::LeftButton, {}, twipsCentre(10440, 480, 1455, 255));
        QTRY_VERIFY(!state().soundOn);
        QTest::mouseClick(programWindow(), Qt::LeftButton, {}, twipsCentre(10440, 120, 1455, 255));
        QTRY_VERIFY(state().soundOn);
    }

    // Label 0 of the life timeline dragged from its starting place to its
    // box, both at the layout's twips: it snaps into the box at either scale.
    void aDragLandsInTheSameBox() {
        activities::ActivityScreen& activity =
            testenv::activityNamed(QStringLiteral("activities\\life order.json"));
        activity.showScreen();
        QTRY_COMPARE(frontScreenName(), QStringLiteral("lifeTimelineScreen"));
        const activities::TwipRect from = activity.layout().startRect(0);
        const activities::TwipRect to = activity.layout().boxRect(0);
        const QPoint start = twipsCentre(from.left, from.top, from.width, from.height);
        const QPoint end = twipsCentre(to.left, to.top, to.width, to.height);
        QTest::mousePress(programWindow(), Qt::LeftButton, {}, start);
        QTest::mouseMove(programWindow(), (start + end) / 2);
        QTest::mouseMove(programWindow(), end);
        QTest::mouseRelease(programWindow(), Qt::LeftButton, {}, end);
        QTRY_COMPARE(activity.board().placedCount(), 1);
        QCOMPARE(activity.board().label(0).left, to.left);
        QCOMPARE(activity.board().label(0).top, to.top);
    }

    // A notes page is played as vectors at the window's scale: what the
    // window shows is the metafile drawn at full device resolution, not a
    // picture of it enlarged.
    void aPageIsDrawnAsVectors() {
        QTest::mouseClick(programWindow(), Qt::LeftButton, {}, twipsCentre(120, 2400, 3195, 375));
        QTRY_COMPARE(frontScreenName(), QStringLiteral("notesScreen"));
        platform::PictureBox* box = topics::notesScreen().pagePicture;
        QCOMPARE(box->picturePath(), QStringLiteral("wmf\\introductiona.wmf"));
        const auto page = wmf::Document::load(
            platform::resolveContentPath(QStringLiteral("wmf\\introductiona.wmf")));
        QVERIFY(page);

        const QImage shown = box->grab().toImage();
        QVERIFY(std::abs(shown.width() - box->width() * testScale()) <= 1);
        const QImage sharp = playedAt(*page, shown.size(), shown.devicePixelRatio());
        const QImage enlarged =
            playedAt(*page, box->size(), 1.0)
                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double fromVectors = meanDifference(shown, sharp);
        const double fromEnlarged = meanDifference(shown, enlarged);
        qInfo("difference from the page played at scale: %.2f, from it enlarged: %.2f", fromVectors,
              fromEnlarged);
        QVERIFY(fromVectors < 1.0);
        if (testScale() > 1.0)
            QVERIFY(fromEnlarged > 3 * fromVectors + 1.0);
    }

    // Raster pictures are enlarged smoothly: a picture of one-pixel stripes
    // shows blended colours between its stripes, not stripes of two widths.
    void picturesAreEnlargedSmoothly() {
        QImage stripes(40, 20, QImage::Format_RGB32);
        for (int x = 0; x < stripes.width(); ++x)
            for (int y = 0; y < stripes.height(); ++y)
                stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        QVERIFY(stripes.save(env->content.filePath(QStringLiteral("stripes.bmp"))));
        platform::setContentRoot(env->content.path());

        platform::PictureBox* box = shell::menuScreen().earthMoonPicture;
        box->setPicture(QStringLiteral("stripes.bmp"));
        const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int blended = 0;
        const int row = int(stripes.height() * testScale() / 2);
        const int width = int(stripes.width() * testScale()) - 2;
        for (int x = 1; x < width; ++x) {
            const int grey = qRed(shown.pixel(x, row));
            blended += grey > 40 && grey < 215;
        }
        if (testScale() == 1.0)
            QCOMPARE(blended, 0);
        else
            QVERIFY2(blended > width / 3, qPrintable(QString::number(blended)));
    }

    // Assistive technology is told where controls are drawn: the program
    // window's own positions and sizes times the scale. Clickable labels,
    // push buttons and the windows alike.
    void accessibilityReportsPlacesAsDrawn() {
        shell::MenuScreen& menu = shell::menuScreen();
        menu.showScreen();
        shell::titleScreen().showScreen();
        const double k = testScale();
        for (QWidget* control : std::initializer_list<QWidget*>{
                 menu.menuItems[shell::MenuItem::Tides], shell::titleScreen().okButton,
                 &platform::AppWindow::instance()}) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
            QVERIFY(read);
            const QPoint at = control->mapToGlobal(QPoint(0, 0));
            const QRect drawn(QPoint(qRound(at.x() * k), qRound(at.y() * k)),
                              QSize(qRound(control->width() * k), qRound(control->height() * k)));
            QCOMPARE(read->rect(), drawn);
            QCOMPARE(read->object(), control);
        }
        // The menu item is still a button that presses.
        QAccessibleInterface* item =
            QAccessible::queryAccessibleInterface(menu.menuItems[shell::MenuItem::Tides]);
        QCOMPARE(item->role(), QAccessible::Button);
        QCOMPARE(item->text(QAccessible::Name), QStringLiteral("The Tides"));
        QVERIFY(item->actionInterface());
    }

private:
    std::unique_ptr<testenv::Fixture> env;
};

int main(int argc, char** argv) {
    // As the program does for --fit: the scale is chosen before the
    // application object exists.
    platform::scaleEveryWindow(testScale());
    platform::installAccessibility();
    QApplication application(argc, argv);
    platform::reportScaledExtents();
    FitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fit.moc"
