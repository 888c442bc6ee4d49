// SPDX-License-Identifier: GPL-3.0-or-later
// Fit to screen: the program scaled as a whole, at scale 1 and at the scale that fits
// 1920 by 1080 (CORVELLA_TEST_SCALE); input goes through Qt's mapping from device pixels.

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

// Mean difference per colour channel of two images of one size, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
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
        // The whole window is drawn at the scale, its layout unchanged.
        QVERIFY(std::abs(programWindow()->devicePixelRatio() - testScale()) < 1e-6);
        QCOMPARE(platform::AppWindow::instance().size(), platform::clientSizePixels());
    }
    void cleanup() { env.reset(); }

    void clicksLandOnTheSameControl_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("opens");
        QTest::newRow("The Tides") << twipsCentre(120, 5280, 3195, 375) << "tidesScreen";
        QTest::newRow("Life on Earth") << twipsCentre(3480, 2400, 3195, 375) << "lifeScreen";
        // The lower edge of "The Tides" still belongs to it; just below is bare screen.
        const int x = platform::twipsToPixels(1500);
        QTest::newRow("edge of The Tides") << QPoint(x, 376) << "tidesScreen";
        QTest::newRow("below The Tides") << QPoint(x, 379) << "menuScreen";
    }
    void clicksLandOnTheSameControl() {
        QFETCH(QPoint, at);
        QFETCH(QString, opens);
        QTest::mouseClick(programWindow(), Qt::LeftButton, {}, at);
        QTRY_COMPARE(testenv::frontScreenName(), opens);
    }

    // Label 0 of the life timeline dragged from its start snaps into its box at either scale.
    void aDragLandsInTheSameBox() {
        activities::ActivityScreen& activity =
            testenv::activityNamed(QStringLiteral("activities\\life order.json"));
        activity.showScreen();
        QTRY_COMPARE(testenv::frontScreenName(), QStringLiteral("lifeTimelineScreen"));
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

    // A notes page is the metafile played at device resolution, not an enlarged picture.
    void aPageIsDrawnAsVectors() {
        QTest::mouseClick(programWindow(), Qt::LeftButton, {}, twipsCentre(120, 2400, 3195, 375));
        QTRY_COMPARE(testenv::frontScreenName(), QStringLiteral("notesScreen"));
        platform::PictureBox* box = topics::notesScreen().pagePicture;
        const auto page = wmf::Document::load(platform::resolveContentPath(box->picturePath()));
        QVERIFY(page);
        const QImage shown = box->grab().toImage();
        QVERIFY(std::abs(shown.width() - box->width() * testScale()) <= 1);
        QImage vectors(shown.size(), QImage::Format_ARGB32_Premultiplied); // as a box plays it
        vectors.fill(Qt::transparent);
        QPainter painter(&vectors);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        painter.scale(shown.devicePixelRatio(), shown.devicePixelRatio());
        page->play(painter, QRectF(QPointF(0, 0), page->naturalSizeInches() * 96.0));
        const double fromVectors = meanDifference(shown, vectors);
        QVERIFY2(fromVectors < 1.0, qPrintable(QString::number(fromVectors)));
    }

    // One-pixel stripes enlarged show blended greys, not stripes of two widths.
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
        const int width = int(stripes.width() * testScale()) - 2;
        for (int x = 1; x < width; ++x) {
            const int grey = qRed(shown.pixel(x, int(stripes.height() * testScale() / 2)));
            blended += grey > 40 && grey < 215;
        }
        QVERIFY2(testScale() == 1.0 ? blended == 0 : blended > width / 3,
                 qPrintable(QString::number(blended)));
    }

    // Assistive technology is told where controls are drawn: their geometry times the scale.
    void accessibilityReportsPlacesAsDrawn() {
        shell::titleScreen().showScreen();
        QWidget* tides = shell::menuScreen().menuItems[shell::MenuItem::Tides];
        const double k = testScale();
        for (QWidget* control : std::initializer_list<QWidget*>{
                 tides, shell::titleScreen().okButton, &platform::AppWindow::instance()}) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
            QVERIFY(read);
            const QPoint at = control->mapToGlobal(QPoint(0, 0));
            QCOMPARE(read->rect(),
                     QRect(qRound(at.x() * k), qRound(at.y() * k), qRound(control->width() * k),
                           qRound(control->height() * k)));
        }
        // The menu item is still a button that presses.
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(tides);
        QCOMPARE(item->role(), QAccessible::Button);
        QCOMPARE(item->text(QAccessible::Name), QStringLiteral("The Tides"));
        QVERIFY(item->actionInterface());
    }

private:
    std::unique_ptr<testenv::Fixture> env;
};

int main(int argc, char** argv) {
    // As for --fit: the scale is chosen before the application object exists.
    platform::scaleEveryWindow(testScale());
    platform::installAccessibility();
    QApplication application(argc, argv);
    platform::reportScaledExtents();
    FitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fit.moc"
