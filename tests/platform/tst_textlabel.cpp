// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard-focus ring of a text button lies clear of its letters; the
// families the screens name resolve to the faces fontconfig would choose.

#include "platform/fonts.h"
#include "platform/screen.h"
#include "platform/textlabel.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class TextLabelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerFonts(); }

    // The shortcut past fontconfig's search lands on the very face the
    // search finds, whichever fonts this machine has.
    void namedFamiliesResolveToTheFacesFontconfigPicks() {
        for (const char* named : {"Times New Roman", "Arial", "Tahoma", "No Such Family"}) {
            const QString family = QString::fromLatin1(named);
            const QString installed = platform::installedFamily(family);
            QCOMPARE(QFontInfo(QFont(installed)).family(), QFontInfo(QFont(family)).family());
        }
        QCOMPARE(platform::installedFamily(QStringLiteral("No Such Family")),
                 QStringLiteral("No Such Family"));
        if (QFontDatabase::hasFamily(QStringLiteral("Liberation Serif")) &&
            !QFontDatabase::hasFamily(QStringLiteral("Times New Roman"))) {
            QCOMPARE(platform::installedFamily(QStringLiteral("Times New Roman")),
                     QStringLiteral("Liberation Serif"));
            platform::TextLabel label(nullptr, 0);
            label.setFontSpec(QStringLiteral("Times New Roman"), 12, true);
            QCOMPARE(label.font().family(), QStringLiteral("Liberation Serif"));
            QVERIFY(label.font().bold());
        }
    }

    // A menu item's text starts at the very top of the label, so the ring is
    // drawn around the outside: it changes no pixel of the label itself, and
    // goes again with the focus.
    void focusRingStaysOffTheText() {
        platform::Screen screen(QStringLiteral("screen"), platform::Screen::Kind::Dialog);
        screen.resize(400, 200);
        platform::TextLabel* item =
            screen.addButton(QStringLiteral("item"), 15, 600, 600, 3195, 375,
                             QStringLiteral("The Sun and other Stars"), 12, Qt::blue, [](int) {});
        platform::TextLabel* other =
            screen.addButton(QStringLiteral("item"), 1, 600, 1800, 3195, 375,
                             QStringLiteral("The Solar System"), 12, Qt::blue, [](int) {});
        screen.showScreen();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        // What the window shows, as painted on its way to the display.
        const auto shown = [&screen] {
            return screen.screen()->grabWindow(screen.winId()).toImage();
        };
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QCoreApplication::processEvents();
        const QImage unfocused = shown();
        item->setFocus();
        QTRY_VERIFY(shown() != unfocused);
        const QImage focused = shown();

        const QRect label = item->geometry();
        const QRect around = label.adjusted(-3, -3, 3, 3);
        QRect ring;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (focused.pixel(x, y) != unfocused.pixel(x, y) &&
                    !other->geometry().adjusted(-3, -3, 3, 3).contains(x, y))
                    ring |= QRect(x, y, 1, 1);
        QVERIFY(ring.contains(label));
        QVERIFY(around.contains(ring));
        QCOMPARE(focused.copy(label), unfocused.copy(label));

        other->setFocus();
        QTRY_COMPARE(shown().copy(around), unfocused.copy(around));
    }
};

QTEST_MAIN(TextLabelTest)
#include "tst_textlabel.moc"
