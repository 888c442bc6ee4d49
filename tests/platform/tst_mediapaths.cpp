// SPDX-License-Identifier: GPL-3.0-or-later
// Content paths resolve with backslashes and regardless of case.

#include "platform/mediapaths.h"
#include "support/testenv.h"

#include <QtTest>

class MediaPathsTest : public QObject {
    Q_OBJECT
private slots:
    void resolvesMixedCase() {
        testenv::Fixture env;
        env.write("Images/tidesm.jpg", "x");
        env.write("wav/Click.WAV", "x");
        const QString root = env.content.path();
        // One folder "Images" serves both spellings.
        QCOMPARE(platform::resolveContentPath("images\\tidesm.jpg"), root + "/Images/tidesm.jpg");
        QCOMPARE(platform::resolveContentPath("Images\\TIDESM.jpg"), root + "/Images/tidesm.jpg");
        QCOMPARE(platform::resolveContentPath("wav\\click.wav"), root + "/wav/Click.WAV");
        QVERIFY(platform::contentFileExists("WAV\\CLICK.wav"));
    }

    void exactMatchWinsOverOtherCase() {
        testenv::Fixture env;
        env.write("logo/a.gif", "lower");
        env.write("logo/A.gif", "upper");
        QCOMPARE(platform::resolveContentPath("logo\\A.gif"), env.content.path() + "/logo/A.gif");
    }

    void missingFilesStayMissing() {
        testenv::Fixture env;
        env.write("wmf/page.wmf", "x");
        QVERIFY(!platform::contentFileExists("wmf\\nothere.wmf"));
        QVERIFY(!platform::contentFileExists("nofolder\\page.wmf"));
        QVERIFY(!platform::contentFileExists("wmf")); // a folder is not a file
        // Content paths cannot climb out of the content folder.
        QVERIFY(platform::resolveContentPath("..\\..\\etc\\passwd").startsWith(env.content.path()));
    }
};

QTEST_GUILESS_MAIN(MediaPathsTest)
#include "tst_mediapaths.moc"
