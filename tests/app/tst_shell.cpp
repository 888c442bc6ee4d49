// The application shell: title screen, backdrop, main menu, centring,
// animations, sound switch and the start-up reading of the worksheet list.

#include "app/adapt.h"
#include "app/animation.h"
#include "app/intro0.h"
#include "app/menuactions.h"
#include "app/titlefrm.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "support/testenv.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace app;

namespace {
const QString kClick = QStringLiteral("wav\\click.wav");

// Runs the menu's one-shot start-up reading.
void runStartupReading() {
    QTRY_VERIFY(!intro0().Timer1->isActive());
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
        QCOMPARE(riseFrameFile(0), QStringLiteral("earthrisesm\\earthr00.jpg"));
        QCOMPARE(riseFrameFile(nextFrame(9, 100)), QStringLiteral("earthrisesm\\earthr10.jpg"));
        QCOMPARE(riseFrameFile(nextFrame(99, 100)), QStringLiteral("earthrisesm\\earthr00.jpg"));
        QCOMPARE(phaseFrameFile(nextFrame(7, 28)), QStringLiteral("phasesm\\moonph08.jpg"));
        QCOMPARE(phaseFrameFile(nextFrame(27, 28)), QStringLiteral("phasesm\\moonph00.jpg"));
        QCOMPARE(phaseFrameFile(13), QStringLiteral("phasesm\\moonph13.jpg"));
        QCOMPARE(logoFrameFile(nextFrame(9, 20)), QStringLiteral("logo\\quil0010.gif"));
        QCOMPARE(logoFrameFile(nextFrame(19, 20)), QStringLiteral("logo\\quil0000.gif"));
    }

    void titleScreenAtStartUp() {
        testenv::Fixture env;
        TitleScreen& title = Titlefrm();
        title.showScreen();
        QCOMPARE(title.Command1->text(), QStringLiteral("OK"));
        QCOMPARE(state().phaseframe, 7);
        QCOMPARE(title.Picture1->picturePath(), QStringLiteral("phasesm\\moonph07.jpg"));
        QVERIFY(platform::ScreenRegistry::instance().isLoaded("Grey"));
        // The first tick shows frame 8.
        QTRY_COMPARE(title.Picture1->picturePath(), QStringLiteral("phasesm\\moonph08.jpg"));
    }

    void exitOnFirstTitleIsSilentButOkClicks() {
        {
            testenv::Fixture env;
            Titlefrm().showScreen();
            Titlefrm().Command2_Click();
            QCOMPARE(env.ended, 1);
            QVERIFY(env.sound.played.isEmpty()); // the sound switch is still empty
        }
        {
            testenv::Fixture env;
            Titlefrm().showScreen();
            Titlefrm().Command1_Click();
            QVERIFY(intro0Loaded());
            QVERIFY(intro0().isShown());
            QCOMPARE(env.sound.played, QStringList{kClick});
            testenv::Fixture::settle();
            QVERIFY(!platform::ScreenRegistry::instance().isLoaded("Titlefrm"));
        }
    }

    void menuExitShowsTheExitScreen() {
        testenv::Fixture env;
        intro0().showScreen();
        intro0().Label2_Click(16);
        QVERIFY(Titlefrm().isVisible());
        QCOMPARE(Titlefrm().Command1->text(), QStringLiteral("Cancel"));
        QCOMPARE(env.sound.played, QStringList{kClick});
        // "Cancel" goes back to the menu; a second "Exit" starts again at frame 7.
        Titlefrm().Command1_Click();
        state().phaseframe = 20;
        testenv::Fixture::settle();
        intro0().Label2_Click(16);
        QCOMPARE(state().phaseframe, 7);
        Titlefrm().Command2_Click();
        QCOMPARE(env.ended, 1);
        QCOMPARE(env.sound.played.size(), 4);
    }

    void soundSwitchComesBackOnAfterReload() {
        testenv::Fixture env;
        intro0().Option2->click();
        QCOMPARE(state().soundon, 0);
        intro0().Label2_Click(16); // silent
        QVERIFY(env.sound.played.isEmpty());
        intro0().unload();
        testenv::Fixture::settle();
        intro0();
        QCOMPARE(state().soundon, 1);
        QVERIFY(intro0().Option1->isChecked());
    }

    void startupReadingStartsTheAnimation() {
        testenv::Fixture env;
        env.write("multiple/track.txt", " 0 \r\n");
        runStartupReading();
        QVERIFY(intro0().Timer2->isActive());
    }

    void startupReadingFillsTheList() {
        testenv::Fixture env;
        env.write("multiple/track.txt", " 2 \r\nVolcanoes\r\n  Rocks, and soil\r\nextra\r\n");
        runStartupReading();
        QCOMPARE(state().sheetcount, 2.0);
        QCOMPARE(state().sheetnames[1], QStringLiteral("Volcanoes"));
        QCOMPARE(state().sheetnames[2], QStringLiteral("Rocks"));
        QVERIFY(state().sheetnames[3].isEmpty());
        QVERIFY(intro0().Timer2->isActive());
    }

    void startupReadingFailuresStopTheAnimation_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("short") << QByteArray(" 3 \r\nOne\r\n") << true;
        QTest::newRow("too many") << QByteArray(" 1001 \r\n") << true;
        QTest::newRow("empty") << QByteArray() << true;
    }
    void startupReadingFailuresStopTheAnimation() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, present);
        testenv::Fixture env;
        if (present)
            env.write("multiple/track.txt", contents);
        runStartupReading();
        QVERIFY(!intro0().Timer2->isActive());
        if (contents.startsWith(" 3"))
            QCOMPARE(state().sheetnames[1], QStringLiteral("One")); // kept
    }

    void animationRunsOnFromWhereItStopped() {
        testenv::Fixture env;
        env.write("multiple/track.txt", " 0 \r\n");
        state().riseframe = 98;
        runStartupReading();
        QTRY_COMPARE(state().riseframe, 99);
        QTRY_COMPARE(intro0().Picture1->picturePath(), QStringLiteral("earthrisesm\\earthr00.jpg"));
        intro0().Label2_Click(1); // every item stops the animation
        QVERIFY(!intro0().Timer2->isActive());
    }

    void hoverHighlighting() {
        testenv::Fixture env;
        MenuScreen& menu = intro0();
        menu.showScreen();
        QTest::mouseMove(menu.Label2[5]);
        QTest::mouseMove(menu.Label2[9]);
        QVERIFY(menu.Label2[5]->isOpaque());
        QVERIFY(menu.Label2[9]->isOpaque()); // both stay until the background is reached
        QTest::mouseMove(&menu, QPoint(5, 200));
        for (platform::TextLabel* item : std::as_const(menu.Label2))
            QVERIFY(!item->isOpaque());
    }

    void topicsWithoutContentSayHowItIs() {
        testenv::Fixture env;
        intro0().Label2_Click(4);
        QCOMPARE(env.sound.played, QStringList{kClick});
        QTRY_COMPARE(env.messages.said.size(), 1);
        QVERIFY(env.messages.said.first().contains("The Phases of the Moon"));
    }

    void screensShareTheCommonLook() {
        testenv::Fixture env;
        MenuScreen& menu = intro0();
        QCOMPARE(menu.backColor(), QColor(39, 55, 131));
        QCOMPARE(menu.Picture1->backColor(), QColor(49, 135, 214));
        QCOMPARE(platform::AppWindow::instance().windowTitle(), QStringLiteral("Corvella"));
        QCOMPARE(menu.size(), QSize(794, 577));
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
