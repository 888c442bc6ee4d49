// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: title screen, backdrop, main menu, where windows
// land, animations, sound switch and the start-up reading of the worksheet list.
// The tests run on an offscreen display of 1024 by 768 pixels (see main()).

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
#include <QBuffer>
#include <QCloseEvent>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace common;
using namespace shell;

namespace {
const QString kClick = QStringLiteral("wav\\click.wav");

// Runs the menu's one-shot start-up reading.
void runStartupReading() {
    QSignalSpy read(menuScreen().worksheetListTimer, &QTimer::timeout);
    QVERIFY(read.wait());
}

// A worksheet list of `count` titles, "Title 1" onwards, after `declared`.
QByteArray worksheetList(int declared, int count) {
    QByteArray list = " " + QByteArray::number(declared) + " \r\n";
    for (int i = 1; i <= count; ++i)
        list += "Title " + QByteArray::number(i) + "\r\n";
    return list;
}

QByteArray jpeg(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    image.save(&bytes, "JPG");
    return bytes.data();
}
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void centringFigures() {
        // 1024 by 768 pixels at 15 twips to the pixel.
        QCOMPARE(centredOrigin(QSizeF(15360, 11520), QSizeF(12000, 9000)), QPointF(1680, 1260));
        // A display smaller than the window: the window overhangs on all sides.
        QCOMPARE(centredOrigin(QSizeF(9600, 7200), QSizeF(12000, 9000)), QPointF(-1200, -900));
        // Single precision, as the window's own arithmetic.
        QCOMPARE(centredOrigin(QSizeF(15361, 11521), QSizeF(12000, 9000)), QPointF(1680.5, 1260.5));
    }

    void frameNames() {
        QCOMPARE(earthRiseFrameFile(0), QStringLiteral("earthrisesm\\earthr00.jpg"));
        QCOMPARE(earthRiseFrameFile(nextFrame(9, 100)),
                 QStringLiteral("earthrisesm\\earthr10.jpg"));
        QCOMPARE(earthRiseFrameFile(nextFrame(99, 100)),
                 QStringLiteral("earthrisesm\\earthr00.jpg"));
        QCOMPARE(moonPhaseFrameFile(nextFrame(7, 28)), QStringLiteral("phasesm\\moonph08.jpg"));
        QCOMPARE(moonPhaseFrameFile(nextFrame(27, 28)), QStringLiteral("phasesm\\moonph00.jpg"));
        QCOMPARE(moonPhaseFrameFile(13), QStringLiteral("phasesm\\moonph13.jpg"));
        QCOMPARE(logoFrameFile(nextFrame(9, 20)), QStringLiteral("logo\\quil0010.gif"));
        QCOMPARE(logoFrameFile(nextFrame(19, 20)), QStringLiteral("logo\\quil0000.gif"));
    }

    void titleScreenAtStartUp() {
        testenv::Fixture env;
        TitleScreen& title = titleScreen();
        title.showScreen();
        QCOMPARE(title.okButton->text(), QStringLiteral("OK"));
        QCOMPARE(state().moonPhaseFrame, 7);
        QCOMPARE(title.moonPhasePicture->picturePath(), QStringLiteral("phasesm\\moonph07.jpg"));
        QVERIFY(platform::ScreenRegistry::instance().isLoaded("backdrop"));
        // The first tick shows frame 8.
        QSignalSpy tick(title.moonPhaseTimer, &QTimer::timeout);
        QVERIFY(tick.wait());
        QCOMPARE(title.moonPhasePicture->picturePath(), QStringLiteral("phasesm\\moonph08.jpg"));
    }

    void exitOnFirstTitleIsSilentButOkClicks() {
        {
            testenv::Fixture env;
            titleScreen().showScreen();
            titleScreen().onExitClicked();
            QCOMPARE(env.ended, 1);
            QVERIFY(env.sound.played.isEmpty()); // the sound switch is still empty
        }
        {
            testenv::Fixture env;
            titleScreen().showScreen();
            titleScreen().onOkClicked();
            QVERIFY(menuScreenLoaded());
            QVERIFY(menuScreen().isShown());
            QCOMPARE(env.sound.played, QStringList{kClick});
            testenv::Fixture::settle();
            QVERIFY(!platform::ScreenRegistry::instance().isLoaded("titleScreen"));
        }
    }

    void menuExitShowsTheExitScreen() {
        testenv::Fixture env;
        menuScreen().showScreen();
        menuScreen().onMenuItemClicked(MenuItem::Exit);
        QVERIFY(titleScreen().isVisible());
        QCOMPARE(titleScreen().okButton->text(), QStringLiteral("Cancel"));
        QCOMPARE(env.sound.played, QStringList{kClick});
        // "Cancel" goes back to the menu; a second "Exit" starts again at frame 7.
        titleScreen().onOkClicked();
        state().moonPhaseFrame = 20;
        testenv::Fixture::settle();
        menuScreen().onMenuItemClicked(MenuItem::Exit);
        QCOMPARE(state().moonPhaseFrame, 7);
        titleScreen().onExitClicked();
        QCOMPARE(env.ended, 1);
        QCOMPARE(env.sound.played.size(), 4);
    }

    // The window manager's close button never leaves the backdrop alone: on
    // the program window or the backdrop it asks on the exit screen, whose
    // "Cancel" goes back to the screen that was in front; on the title or
    // exit screen it ends the program.
    void closeButtons_data() {
        QTest::addColumn<QString>("front");  // the screen in front of the program window
        QTest::addColumn<QString>("closed"); // the window closed
        QTest::addColumn<bool>("asks");
        QTest::newRow("the menu's window") << "menuScreen"
                                           << "program" << true;
        QTest::newRow("a topic's window") << "tidesScreen"
                                          << "program" << true;
        QTest::newRow("the backdrop") << "menuScreen"
                                      << "backdrop" << true;
        QTest::newRow("the exit screen") << "menuScreen"
                                         << "exit" << false;
        QTest::newRow("the first title screen") << ""
                                                << "title" << false;
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
        QVERIFY(platform::AppWindow::instance().isVisible());
    }

    void windowsAreNamedAfterTheProgram() {
        testenv::Fixture env;
        titleScreen().showScreen();
        QCOMPARE(backdrop().windowTitle(), QStringLiteral("Corvella"));
        QCOMPARE(titleScreen().windowTitle(), QStringLiteral("Corvella"));
    }

    void soundSwitchComesBackOnAfterReload() {
        testenv::Fixture env;
        menuScreen().soundOffOption->click();
        QCOMPARE(state().soundOn, false);
        menuScreen().onMenuItemClicked(MenuItem::Exit); // silent
        QVERIFY(env.sound.played.isEmpty());
        menuScreen().unload();
        testenv::Fixture::settle();
        menuScreen();
        QCOMPARE(state().soundOn, true);
        QVERIFY(menuScreen().soundOnOption->isChecked());
    }

    void startupReadingStartsTheAnimation() {
        testenv::Fixture env;
        env.write("multiple/track.txt", " 0 \r\n");
        runStartupReading();
        QVERIFY(menuScreen().earthRiseTimer->isActive());
    }

    void aMissingListIsMadeOnFirstUse() {
        testenv::Fixture env;
        runStartupReading();
        QVERIFY(menuScreen().earthRiseTimer->isActive());
        QFile list(env.content.filePath("multiple/track.txt"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray(" 0 \r\n"));
    }

    void startupReadingFillsTheList() {
        testenv::Fixture env;
        env.write("multiple/track.txt", " 2 \r\nVolcanoes\r\n  Rocks, and soil\r\nextra\r\n");
        runStartupReading();
        QCOMPARE(state().worksheetCount, 2);
        QCOMPARE(state().worksheetTitles[1], QStringLiteral("Volcanoes"));
        QCOMPARE(state().worksheetTitles[2], QStringLiteral("Rocks"));
        QVERIFY(state().worksheetTitles[3].isEmpty());
        QVERIFY(menuScreen().earthRiseTimer->isActive());
    }

    void startupReadingFailuresStopTheAnimation_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("short") << QByteArray(" 3 \r\nOne\r\n");
        QTest::newRow("empty") << QByteArray();
    }
    void startupReadingFailuresStopTheAnimation() {
        QFETCH(QByteArray, contents);
        testenv::Fixture env;
        env.write("multiple/track.txt", contents);
        runStartupReading();
        QVERIFY(!menuScreen().earthRiseTimer->isActive());
        if (contents.startsWith(" 3"))
            QCOMPARE(state().worksheetTitles[1], QStringLiteral("One")); // kept
    }

    void startupReadingHoldsAThousandTitles() {
        {
            testenv::Fixture env;
            // The list is Windows-1252: curly quotes, a dash and the euro sign.
            QByteArray list = worksheetList(1000, 1000);
            list.replace("Title 2\r\n", "\x93Sun\x94 \x96 \x80 and \xE9\r\n");
            env.write("multiple/track.txt", list);
            runStartupReading();
            QCOMPARE(state().worksheetCount, 1000);
            QCOMPARE(state().worksheetTitles[2], QStringLiteral("“Sun” – € and é"));
            QCOMPARE(state().worksheetTitles[1000], QStringLiteral("Title 1000"));
            QVERIFY(menuScreen().earthRiseTimer->isActive());
        }
        testenv::Fixture env;
        env.write("multiple/track.txt", worksheetList(1001, 1001));
        runStartupReading();
        QVERIFY(state().worksheetCount <= 1000);
        QVERIFY(!menuScreen().earthRiseTimer->isActive());
    }

    void screensLandCentredOnTheDisplay() {
        testenv::Fixture env;
        QCOMPARE(displaySizeTwips(), QSizeF(15360, 11520));
        // The title screen, 5460 by 6570 twips, is centred with its own size.
        QCOMPARE(titleScreen().pos(), QPoint(4950 / 15, 2475 / 15));
        // Every other screen places the program window, 12000 by 9000 twips.
        menuScreen();
        QCOMPARE(platform::AppWindow::instance().pos(), QPoint(1680 / 15, 1260 / 15));
        QVERIFY(!QGuiApplication::overrideCursor()); // the hourglass is gone again
        // A centred topic picture is centred on the window's 12000 twips (800 px).
        env.write("images/spiralgalaxy.jpg", jpeg(QSize(300, 200)));
        QCOMPARE(testenv::sunScreen().topicPicture->geometry(), QRect(250, 900 / 15, 300, 200));
    }

    void animationRunsOnFromWhereItStopped() {
        testenv::Fixture env;
        env.write("multiple/track.txt", " 0 \r\n");
        state().earthRiseFrame = 98;
        runStartupReading();
        QSignalSpy ticks(menuScreen().earthRiseTimer, &QTimer::timeout);
        QVERIFY(ticks.wait());
        QCOMPARE(state().earthRiseFrame, 99);
        QVERIFY(ticks.wait());
        QCOMPARE(menuScreen().earthRisePicture->picturePath(),
                 QStringLiteral("earthrisesm\\earthr00.jpg"));
        menuScreen().onMenuItemClicked(MenuItem::SolarSystem); // every item stops the animation
        QVERIFY(!menuScreen().earthRiseTimer->isActive());
    }

    void hoverHighlighting() {
        testenv::Fixture env;
        MenuScreen& menu = menuScreen();
        menu.showScreen();
        QTest::mouseMove(menu.menuItems[MenuItem::Tides]);
        QTest::mouseMove(menu.menuItems[MenuItem::LifeOnEarth]);
        // The highlight follows the pointer: the item it left goes out.
        QVERIFY(!menu.menuItems[MenuItem::Tides]->isOpaque());
        QVERIFY(menu.menuItems[MenuItem::LifeOnEarth]->isOpaque());
        QTest::mouseMove(&menu, QPoint(5, 200));
        for (platform::TextLabel* item : std::as_const(menu.menuItems))
            QVERIFY(!item->isOpaque());

        // Leaving without crossing the bare screen (onto a message box, out
        // of the window) puts the highlight out too.
        QTest::mouseMove(menu.menuItems[MenuItem::Tides]);
        QVERIFY(menu.menuItems[MenuItem::Tides]->isOpaque());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(menu.menuItems[MenuItem::Tides], &leave);
        QVERIFY(!menu.menuItems[MenuItem::Tides]->isOpaque());
    }

    void screensShareTheCommonLook() {
        testenv::Fixture env;
        MenuScreen& menu = menuScreen();
        QCOMPARE(menu.backColor(), QColor(39, 55, 131));
        QCOMPARE(menu.earthRisePicture->backColor(), QColor(49, 135, 214));
        QCOMPARE(platform::AppWindow::instance().windowTitle(), QStringLiteral("Corvella"));
        QCOMPARE(menu.size(), QSize(794, 577));
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
