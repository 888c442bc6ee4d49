// The application shell: title screen, backdrop, main menu, centring,
// animations, sound switch and the start-up reading of the worksheet list.

#include "common/animation.h"
#include "common/screenadaptation.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "shell/menuactions.h"
#include "shell/menuscreen.h"
#include "shell/titlescreen.h"
#include "support/testenv.h"

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
    QTRY_VERIFY(!menuScreen().worksheetListTimer->isActive());
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
        QTRY_COMPARE(title.moonPhasePicture->picturePath(),
                     QStringLiteral("phasesm\\moonph08.jpg"));
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
        QTest::newRow("too many") << QByteArray(" 1001 \r\n");
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

    void animationRunsOnFromWhereItStopped() {
        testenv::Fixture env;
        env.write("multiple/track.txt", " 0 \r\n");
        state().earthRiseFrame = 98;
        runStartupReading();
        QTRY_COMPARE(state().earthRiseFrame, 99);
        QTRY_COMPARE(menuScreen().earthRisePicture->picturePath(),
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
        QVERIFY(menu.menuItems[MenuItem::Tides]->isOpaque());
        QVERIFY(menu.menuItems[MenuItem::LifeOnEarth]
                    ->isOpaque()); // both stay until the background is reached
        QTest::mouseMove(&menu, QPoint(5, 200));
        for (platform::TextLabel* item : std::as_const(menu.menuItems))
            QVERIFY(!item->isOpaque());
    }

    void topicsWithoutContentSayHowItIs() {
        testenv::Fixture env;
        menuScreen().onMenuItemClicked(MenuItem::PhasesOfTheMoon);
        QCOMPARE(env.sound.played, QStringList{kClick});
        QTRY_COMPARE(env.messages.said.size(), 1);
        QVERIFY(env.messages.said.first().contains("The Phases of the Moon"));
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

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
