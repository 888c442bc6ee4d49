// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: title and exit screen, backdrop, menu, where windows land, animations,
// sound switch and the start-up reading of the worksheet list, on a 1024 by 768 display.

#include "common/animation.h"
#include "common/screenadaptation.h"
#include "platform/appwindow.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "shell/backdrop.h"
#include "shell/menuactions.h"
#include "shell/menuscreen.h"
#include "shell/startup.h"
#include "shell/titlescreen.h"
#include "support/testenv.h"
#include "support/topicscreens.h"
#include "topics/topicscreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace common;
using namespace shell;

static const QString kClick = QStringLiteral("wav\\click.wav");

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void centringAndFrameNames() {
        // 1024 by 768 pixels at 15 twips to the pixel; a smaller display overhangs.
        QCOMPARE(centredOrigin(QSizeF(15360, 11520), QSizeF(12000, 9000)), QPointF(1680, 1260));
        QCOMPARE(centredOrigin(QSizeF(9600, 7200), QSizeF(12000, 9000)), QPointF(-1200, -900));
        QCOMPARE(earthRiseFrameFile(nextFrame(9, 100)),
                 QStringLiteral("earthrisesm\\earthr10.jpg"));
        QCOMPARE(moonPhaseFrameFile(nextFrame(27, 28)), QStringLiteral("phasesm\\moonph00.jpg"));
        QCOMPARE(logoFrameFile(nextFrame(19, 20)), QStringLiteral("logo\\quil0000.gif"));
    }

    // The title starts at moon phase 7; its "Exit" is silent, "OK" clicks and opens the menu,
    // whose "Exit" reopens it as the exit screen at phase 7 again.
    void titleAndExitScreen() {
        {
            testenv::Fixture env;
            titleScreen().showScreen();
            titleScreen().onExitClicked();
            QCOMPARE(env.ended, 1);
            QVERIFY(env.sound.played.isEmpty());
        }
        testenv::Fixture env;
        TitleScreen& title = titleScreen();
        title.showScreen();
        QCOMPARE(title.okButton->text(), QStringLiteral("OK"));
        QCOMPARE(title.moonPhasePicture->picturePath(), QStringLiteral("phasesm\\moonph07.jpg"));
        QSignalSpy tick(title.moonPhaseTimer, &QTimer::timeout);
        QVERIFY(tick.wait());
        QCOMPARE(title.moonPhasePicture->picturePath(), QStringLiteral("phasesm\\moonph08.jpg"));
        title.onOkClicked();
        QVERIFY(menuScreen().isShown());
        QCOMPARE(env.sound.played, QStringList{kClick});
        testenv::Fixture::settle();
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("titleScreen"));

        state().moonPhaseFrame = 20;
        menuScreen().onMenuItemClicked(MenuItem::Exit);
        QCOMPARE(titleScreen().okButton->text(), QStringLiteral("Cancel"));
        QCOMPARE(state().moonPhaseFrame, 7);
        titleScreen().onExitClicked();
        QCOMPARE(env.ended, 1);
        QCOMPARE(env.sound.played.size(), 3);
    }

    // A close button on the program window or backdrop asks on the exit screen ("Cancel" goes
    // back); on the title or exit screen it ends the program.
    void closeButtons_data() {
        QTest::addColumn<QString>("front"); // the screen in front of the program window
        QTest::addColumn<QString>("closed");
        QTest::addColumn<bool>("asks");
        QTest::newRow("the menu's window") << "menuScreen" << QString("program") << true;
        QTest::newRow("a topic's window") << "tidesScreen" << QString("program") << true;
        QTest::newRow("the backdrop") << "menuScreen" << QString("backdrop") << true;
        QTest::newRow("the exit screen") << "menuScreen" << QString("exit") << false;
        QTest::newRow("the first title screen") << "" << QString("title") << false;
    }
    void closeButtons() {
        QFETCH(QString, front);
        QFETCH(QString, closed);
        QFETCH(bool, asks);
        testenv::Fixture env;
        installCloseHandling();
        titleScreen().showScreen();
        if (!front.isEmpty()) {
            titleScreen().onOkClicked();
            testenv::Fixture::settle();
            if (front == QLatin1String("tidesScreen"))
                menuScreen().onMenuItemClicked(MenuItem::Tides);
        }
        if (closed == QLatin1String("exit"))
            menuScreen().onMenuItemClicked(MenuItem::Exit);
        QWidget* window = closed == QLatin1String("program")    ? &platform::AppWindow::instance()
                          : closed == QLatin1String("backdrop") ? static_cast<QWidget*>(&backdrop())
                                                                : &titleScreen();
        QCloseEvent close;
        QApplication::sendEvent(window, &close);
        QVERIFY(!close.isAccepted()); // nothing closes on its own
        QCOMPARE(env.ended, asks ? 0 : 1);
        if (!asks)
            return;
        QVERIFY(titleScreen().isVisible());
        QCOMPARE(titleScreen().okButton->text(), QStringLiteral("Cancel"));
        titleScreen().onOkClicked();
        testenv::Fixture::settle();
        QCOMPARE(platform::AppWindow::instance().frontScreen()->name(), front);
    }

    void soundSwitchComesBackOnAfterReload() {
        testenv::Fixture env;
        menuScreen().soundOffOption->click();
        menuScreen().onMenuItemClicked(MenuItem::Exit); // silent
        QVERIFY(env.sound.played.isEmpty());
        menuScreen().unload();
        testenv::Fixture::settle();
        menuScreen();
        QCOMPARE(state().soundOn, true);
        QVERIFY(menuScreen().soundOnOption->isChecked());
    }

    // The animation starts once the list is read whole; a missing list is made empty.
    void startupReading_data() {
        QTest::addColumn<QByteArray>("list"); // "-": no list file
        QTest::addColumn<bool>("animates");
        QTest::addColumn<QString>("titles"); // joined with '|'
        QTest::newRow("missing") << QByteArray("-") << true << "";
        QTest::newRow("empty list") << QByteArray(" 0 \r\n") << true << "";
        QTest::newRow("two titles") << QByteArray(" 2 \r\nVolcanoes\r\n  Rocks, and soil\r\nx\r\n")
                                    << true << "Volcanoes|Rocks";
        QTest::newRow("short") << QByteArray(" 3 \r\nOne\r\n") << false << "One";
        QTest::newRow("empty file") << QByteArray() << false << "";
        QByteArray tooMany = " 1001 \r\n";
        for (int i = 1; i <= 1001; ++i)
            tooMany += "Title " + QByteArray::number(i) + "\r\n";
        QTest::newRow("over 1000 titles") << tooMany << false << "";
    }
    void startupReading() {
        QFETCH(QByteArray, list);
        QFETCH(bool, animates);
        QFETCH(QString, titles);
        testenv::Fixture env;
        if (list != "-")
            env.write("multiple/track.txt", list);
        QSignalSpy read(menuScreen().worksheetListTimer, &QTimer::timeout); // the one-shot reading
        QVERIFY(read.wait());
        QCOMPARE(menuScreen().earthRiseTimer->isActive(), animates);
        QVERIFY(state().worksheetCount <= 1000);
        const QStringList expected = titles.split('|', Qt::SkipEmptyParts);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(state().worksheetTitles[size_t(i + 1)], expected[i]);
        QCOMPARE(env.read("multiple/track.txt"), list == "-" ? QByteArray(" 0 \r\n") : list);
    }

    void screensLandCentredInTheCommonLook() {
        testenv::Fixture env;
        QCOMPARE(displaySizeTwips(), QSizeF(15360, 11520));
        // The title screen, 5460 by 6570 twips, is centred with its own size.
        QCOMPARE(titleScreen().pos(), QPoint(4950 / 15, 2475 / 15));
        QCOMPARE(backdrop().windowTitle(), QStringLiteral("Corvella"));
        QCOMPARE(titleScreen().windowTitle(), QStringLiteral("Corvella"));
        // Every other screen places the program window, 12000 by 9000 twips.
        MenuScreen& menu = menuScreen();
        QCOMPARE(platform::AppWindow::instance().pos(), QPoint(1680 / 15, 1260 / 15));
        QCOMPARE(platform::AppWindow::instance().windowTitle(), QStringLiteral("Corvella"));
        QVERIFY(!QGuiApplication::overrideCursor()); // the hourglass is gone again
        QCOMPARE(menu.earthRisePicture->backColor(), QColor(49, 135, 214));
        // A centred topic picture is centred on the window's 12000 twips (800 px).
        QImage image(QSize(300, 200), QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        QDir().mkpath(env.content.filePath("images"));
        QVERIFY(image.save(env.content.filePath("images/spiralgalaxy.jpg")));
        topics::TopicScreen& sun = testenv::sunScreen();
        QCOMPARE(sun.topicPicture->geometry(), QRect(250, 900 / 15, 300, 200));
        QCOMPARE(sun.titleLabel->caption(), QStringLiteral("The Sun and other Stars"));
        QCOMPARE(sun.backColor(), QColor(Qt::black));
    }

    // The highlight follows the pointer and goes out however the pointer leaves the item.
    void hoverHighlighting() {
        testenv::Fixture env;
        MenuScreen& menu = menuScreen();
        menu.showScreen();
        QTest::mouseMove(menu.menuItems[MenuItem::Tides]);
        QTest::mouseMove(menu.menuItems[MenuItem::LifeOnEarth]);
        QVERIFY(!menu.menuItems[MenuItem::Tides]->isOpaque());
        QVERIFY(menu.menuItems[MenuItem::LifeOnEarth]->isOpaque());
        QTest::mouseMove(&menu, QPoint(5, 200));
        QVERIFY(!menu.menuItems[MenuItem::LifeOnEarth]->isOpaque());
        QTest::mouseMove(menu.menuItems[MenuItem::Tides]);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(menu.menuItems[MenuItem::Tides], &leave);
        QVERIFY(!menu.menuItems[MenuItem::Tides]->isOpaque());
    }
};

// A display of 1024 by 768 pixels, where the centring figures are round.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("display.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "display", "width": 1024, "height": 768}]})") < 0 ||
        !file.flush())
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shell.moc"
