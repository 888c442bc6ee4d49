// Topic screens, the notes screen and the teachers' guide.

#include "app/intro0.h"
#include "app/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "quiz/multiple.h"
#include "support/minimalwmf.h"
#include "support/recordingprinter.h"
#include "support/samplequestions.h"
#include "support/testenv.h"
#include "topics/guide.h"
#include "topics/teacher.h"
#include "topics/topicscreen.h"
#include "worksheets/questionfile.h"

#include <QtTest>

using namespace topics;
using app::state;

namespace {
const QString kClick = QStringLiteral("wav\\click.wav");

TopicScreen& topicScreen(Topic topic) {
    switch (topic) {
    case Topic::Tides:
        return tides();
    case Topic::Sun:
        return sun();
    default:
        return life();
    }
}

// Pages the notes screen from 1 to the end and checks the label and buttons.
void checkPageState(NotesScreen& notes, int page, int count) {
    QCOMPARE(state().pagenum, page);
    QCOMPARE(notes.Label1->caption(), QStringLiteral("Page %1 of %2").arg(page).arg(count));
    QCOMPARE(notes.Label3[2]->isEnabled(), page < count);
    QCOMPARE(notes.Label3[3]->isEnabled(), page > 1);
}
} // namespace

class TopicsTest : public QObject {
    Q_OBJECT
private slots:
    void differencesBetweenTopics_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("keyPages");
        QTest::addColumn<QString>("keyFirst");
        QTest::addColumn<int>("notesPages");
        QTest::addColumn<QString>("notesFirst");
        QTest::newRow("tides") << int(Topic::Tides) << "The Tides" << QColor(39, 63, 137)
                               << "Images\\tide.jpg" << 3 << "key tidesa.wmf" << 2 << "tidesa.wmf";
        QTest::newRow("sun") << int(Topic::Sun) << "The Sun and other Stars" << QColor(Qt::black)
                             << "Images\\spiralgalaxy.jpg" << 2 << "key suna.wmf" << 1 << "sun.wmf";
        QTest::newRow("life") << int(Topic::Life) << "Life on Earth" << QColor(39, 63, 137)
                              << "Images\\babyseal.jpg" << 3 << "key lifea.wmf" << 1 << "life.wmf";
    }
    void differencesBetweenTopics() {
        QFETCH(int, topic);
        QFETCH(QString, title);
        QFETCH(QColor, background);
        QFETCH(QString, picture);
        QFETCH(int, keyPages);
        QFETCH(QString, keyFirst);
        QFETCH(int, notesPages);
        QFETCH(QString, notesFirst);
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        TopicScreen& screen = topicScreen(Topic(topic));
        QCOMPARE(screen.Label1->caption(), title);
        QCOMPARE(screen.backColor(), background);
        QCOMPARE(screen.Image1->picturePath(), picture);

        screen.Label3_Click(4);
        QCOMPARE(int(state().numpages), keyPages);
        QCOMPARE(teacher().Image1->picturePath(), "wmf\\" + keyFirst);
        QCOMPARE(teacher().Image2->picturePath(), "wmf2\\" + keyFirst);
        QVERIFY(teacher().Label1->isVisibleTo(&teacher()));
        QCOMPARE(teacher().Label1->caption(), QStringLiteral("Page 1 of %1").arg(keyPages));
        teacher().Label3_Click(1);
        testenv::Fixture::settle();

        screen.Label3_Click(5);
        QCOMPARE(int(state().numpages), notesPages);
        QCOMPARE(teacher().Image1->picturePath(), "wmf\\" + notesFirst);
        QCOMPARE(teacher().Image2->picturePath(), "wmf2\\" + notesFirst);
        // A single-page set has no page label and no page buttons.
        QCOMPARE(teacher().Label3[2]->isVisibleTo(&teacher()), notesPages > 1);
        QCOMPARE(teacher().Label1->isVisibleTo(&teacher()), notesPages > 1);
        QCOMPARE(env.sound.played, QStringList({kClick, kClick}));
    }

    void topicQuizOpensWithItsOwnQuestions() {
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        env.write("multiple/The Tides.txt",
                  worksheets::questionSetBytes(testenv::sampleQuestionSet("The Tides")));
        env.write("multiple/Life on Earth.txt",
                  worksheets::questionSetBytes(testenv::sampleQuestionSet("Life on Earth")));
        life().Label3_Click(0);
        quiz::multiple().Label3_Click(2);
        testenv::Fixture::settle();
        tides().Label3_Click(0);
        QVERIFY(quiz::multiple().isShown());
        QCOMPARE(quiz::multiple().Label6->caption(), QStringLiteral("The Tides"));
        QCOMPARE(quiz::multiple().Label5->caption(), QStringLiteral("Corvella"));
        QCOMPARE(quiz::multiple().Picture1->picturePath(), QStringLiteral("images\\tidesm.jpg"));
    }

    void missingOrDamagedQuestionsKeepTheQuizClosed() {
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        sun().Label3_Click(0);
        QTRY_COMPARE(env.messages.said.size(), 1);
        QVERIFY(env.messages.said.last().contains("could not be found"));
        env.write("multiple/The Sun and other Stars.txt", "Only a title\r\n \r\n");
        sun().Label3_Click(0);
        QTRY_COMPARE(env.messages.said.size(), 2);
        QVERIFY(env.messages.said.last().contains("damaged"));
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("multiple"));
        QCOMPARE(env.sound.played.size(), 2); // the click is still heard
    }

    void tidesHasNoActivitiesAndSaysSo() {
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        tides().Label3_Click(1);
        tides().Label3_Click(3);
        QTRY_COMPARE(env.messages.said.size(), 2);
        QVERIFY(env.messages.said[0].contains("labelling"));
        QVERIFY(env.messages.said[1].contains("ordering"));
        QCOMPARE(env.sound.played, QStringList({kClick, kClick}));
    }

    void exitRestartsTheMenuAnimation() {
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        app::intro0().Label2_Click(5);
        QVERIFY(!app::intro0().Timer2->isActive());
        tides().Label3_Click(2);
        QVERIFY(app::intro0().Timer2->isActive());
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("tides"));
        QCOMPARE(platform::AppWindow::instance().frontScreen(), &app::intro0());
    }

    void pagingAThreePageSet() {
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        tides().Label3_Click(4);
        NotesScreen& notes = teacher();
        checkPageState(notes, 1, 3);
        notes.Label3_Click(2);
        checkPageState(notes, 2, 3);
        QCOMPARE(notes.Image1->picturePath(), QStringLiteral("wmf\\key tidesb.wmf"));
        notes.Label3_Click(2);
        checkPageState(notes, 3, 3);
        QCOMPARE(notes.Image2->picturePath(), QStringLiteral("wmf2\\key tidesc.wmf"));
        notes.Label3_Click(3);
        notes.Label3_Click(3);
        checkPageState(notes, 1, 3);
        QCOMPARE(notes.Image1->picturePath(), QStringLiteral("wmf\\key tidesa.wmf"));
        QCOMPARE(env.sound.played.size(), 1); // only the topic screen's click
    }

    void acknowledgementsHidePageControlsWhateverTheCount() {
        testenv::Fixture env;
        state().soundon = 1;  // as once the menu has loaded
        state().numpages = 3; // left over from an earlier set
        app::intro0().Label2_Click(19);
        NotesScreen& notes = teacher();
        QVERIFY(!notes.Label1->isVisibleTo(&notes));
        QVERIFY(!notes.Label3[2]->isVisibleTo(&notes));
        QVERIFY(!notes.Label3[3]->isVisibleTo(&notes));
        QCOMPARE(notes.backColor(), QColor(49, 130, 212));
        QCOMPARE(notes.Image1->picturePath(), QStringLiteral("wmf\\acknowledgments.wmf"));
        QCOMPARE(notes.Picture2->picturePath(), QStringLiteral("logo\\quillmere2.bmp"));
        QTRY_VERIFY(notes.Picture1->isVisibleTo(&notes));
        QVERIFY(notes.Picture1->picturePath().startsWith("logo\\quil00"));
        QCOMPARE(state().numpages, 3);
    }

    void guideHasFivePages() {
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        app::intro0().Label2_Click(20);
        GuideScreen& g = guide();
        QCOMPARE(g.Label1->caption(), QStringLiteral("Page 1 of 5"));
        QVERIFY(!g.Label3[3]->isEnabled());
        for (int i = 0; i < 4; ++i)
            g.Label3_Click(2);
        QCOMPARE(g.Label1->caption(), QStringLiteral("Page 5 of 5"));
        QCOMPARE(g.Image1->picturePath(), QStringLiteral("wmf\\guide5.wmf"));
        QCOMPARE(g.Image2->picturePath(), QStringLiteral("wmf2\\guide5.wmf"));
        QVERIFY(!g.Label3[2]->isEnabled());
        g.Label3_Click(3);
        QCOMPARE(g.Label1->caption(), QStringLiteral("Page 4 of 5"));
        QVERIFY(g.Label3[2]->isEnabled());
        QVERIFY(g.Label3[3]->isEnabled());
        QCOMPARE(env.sound.played.size(), 1); // the menu's click only
    }

    void printingDrawsThePrintVersion() {
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        env.write("wmf2/key tidesb.wmf", testenv::minimalWmf());
        RecordingPrinter printer;
        platform::setPrinterFactory([&printer] {
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer));
        });
        tides().Label3_Click(4);
        teacher().Label3_Click(2);
        teacher().Label3_Click(0);
        // An empty line, the page at 1000, 1000 twips, the end of the document.
        QCOMPARE(printer.texts.size(), size_t(1));
        QVERIFY(printer.texts[0].text.isEmpty());
        QVERIFY(printer.texts[0].endLine);
        QCOMPARE(printer.pictures.size(), size_t(1));
        QCOMPARE(printer.pictures[0].path, QStringLiteral("wmf2\\key tidesb.wmf"));
        QCOMPARE(printer.pictures[0].x, 1000.0);
        QCOMPARE(printer.pictures[0].y, 1000.0);
        QVERIFY(printer.ended);
        QVERIFY(env.messages.said.isEmpty());
        QCOMPARE(state().pagenum, 2); // the page on screen stays
    }

    void printFailureIsReported() {
        testenv::Fixture env;
        state().soundon = 1; // as once the menu has loaded
        env.write("wmf2/guide1.wmf", testenv::minimalWmf());
        platform::setPrinterFactory(
            []() -> std::unique_ptr<platform::Printer> { throw platform::PrinterError("none"); });
        app::intro0().Label2_Click(20);
        guide().Label3_Click(0);
        QCOMPARE(env.messages.said,
                 QStringList{QStringLiteral("There was a problem printing to your printer.")});
        QCOMPARE(guide().Label1->caption(), QStringLiteral("Page 1 of 5"));
    }
};

QTEST_MAIN(TopicsTest)
#include "tst_topics.moc"
