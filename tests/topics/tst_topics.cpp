// SPDX-License-Identifier: GPL-3.0-or-later
// Topic screens, the notes screen and the teachers' guide.

#include "common/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "questions/questionfile.h"
#include "quiz/quizscreen.h"
#include "shell/menuscreen.h"
#include "support/minimalwmf.h"
#include "support/recordingprinter.h"
#include "support/samplequestions.h"
#include "support/testenv.h"
#include "support/topicscreens.h"
#include "topics/guidescreen.h"
#include "topics/notesscreen.h"
#include "topics/topicscreen.h"

#include <QtTest>
#include <unistd.h>

using namespace topics;
using common::state;
using shell::MenuItem;

namespace {
const QString kClick = QStringLiteral("wav\\click.wav");

using testenv::lifeScreen;
using testenv::sunScreen;
using testenv::tidesScreen;

// Pages the notes screen from 1 to the end and checks the label and buttons.
void checkPageState(NotesScreen& notes, int page, int count) {
    QCOMPARE(state().pageNumber, page);
    QCOMPARE(notes.pageLabel->caption(), QStringLiteral("Page %1 of %2").arg(page).arg(count));
    QCOMPARE(notes.nextPageButton->isEnabled(), page < count);
    QCOMPARE(notes.previousPageButton->isEnabled(), page > 1);
}
} // namespace

class TopicsTest : public QObject {
    Q_OBJECT
private slots:
    void differencesBetweenTopics_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("keyPages");
        QTest::addColumn<QString>("keyFirst");
        QTest::addColumn<int>("notesPages");
        QTest::addColumn<QString>("notesFirst");
        QTest::newRow("tides") << "The Tides"
                               << "The Tides" << QColor(39, 63, 137) << "Images\\tide.jpg" << 3
                               << "key tidesa.wmf" << 2 << "tidesa.wmf";
        QTest::newRow("sun") << "The Sun and other Stars"
                             << "The Sun and other Stars" << QColor(Qt::black)
                             << "Images\\spiralgalaxy.jpg" << 2 << "key suna.wmf" << 2
                             << "suna.wmf";
        QTest::newRow("life") << "Life on Earth"
                              << "Life on Earth" << QColor(39, 63, 137) << "Images\\babyseal.jpg"
                              << 3 << "key lifea.wmf" << 2 << "lifea.wmf";
    }
    void differencesBetweenTopics() {
        QFETCH(QString, topic);
        QFETCH(QString, title);
        QFETCH(QColor, background);
        QFETCH(QString, picture);
        QFETCH(int, keyPages);
        QFETCH(QString, keyFirst);
        QFETCH(int, notesPages);
        QFETCH(QString, notesFirst);
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        TopicScreen& screen = testenv::topicNamed(topic);
        QCOMPARE(screen.titleLabel->caption(), title);
        QCOMPARE(screen.backColor(), background);
        QCOMPARE(screen.topicPicture->picturePath(), picture);

        screen.onButtonClicked(TopicButton::KeyFacts);
        QCOMPARE(int(state().pageCount), keyPages);
        QCOMPARE(notesScreen().pagePicture->picturePath(), "wmf\\" + keyFirst);
        QCOMPARE(notesScreen().printPagePicture->picturePath(), "wmf2\\" + keyFirst);
        QVERIFY(notesScreen().pageLabel->isVisibleTo(&notesScreen()));
        QCOMPARE(notesScreen().pageLabel->caption(), QStringLiteral("Page 1 of %1").arg(keyPages));
        notesScreen().onButtonClicked(PageButton::Exit);
        testenv::Fixture::settle();

        screen.onButtonClicked(TopicButton::TeachersNotes);
        QCOMPARE(int(state().pageCount), notesPages);
        QCOMPARE(notesScreen().pagePicture->picturePath(), "wmf\\" + notesFirst);
        QCOMPARE(notesScreen().printPagePicture->picturePath(), "wmf2\\" + notesFirst);
        // A single-page set has no page label and no page buttons.
        QCOMPARE(notesScreen().nextPageButton->isVisibleTo(&notesScreen()), notesPages > 1);
        QCOMPARE(notesScreen().pageLabel->isVisibleTo(&notesScreen()), notesPages > 1);
        QCOMPARE(env.sound.played, QStringList({kClick, kClick}));
    }

    void topicQuizOpensWithItsOwnQuestions() {
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        env.write("multiple/The Tides.txt",
                  worksheets::questionSetBytes(testenv::sampleQuestionSet("The Tides")));
        env.write("multiple/Life on Earth.txt",
                  worksheets::questionSetBytes(testenv::sampleQuestionSet("Life on Earth")));
        lifeScreen().onButtonClicked(TopicButton::MultipleChoice);
        quiz::quizScreen().onButtonClicked(quiz::QuizButton::Exit);
        testenv::Fixture::settle();
        tidesScreen().onButtonClicked(TopicButton::MultipleChoice);
        QVERIFY(quiz::quizScreen().isShown());
        QCOMPARE(quiz::quizScreen().setTitleLabel->caption(), QStringLiteral("The Tides"));
        QCOMPARE(quiz::quizScreen().subjectLabel->caption(), QStringLiteral("Corvella"));
        QCOMPARE(quiz::quizScreen().topicPicture->picturePath(),
                 QStringLiteral("images\\tidesm.jpg"));
    }

    void missingOrDamagedQuestionsKeepTheQuizClosed() {
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        sunScreen().onButtonClicked(TopicButton::MultipleChoice);
        QTRY_COMPARE(env.messages.said.size(), 1);
        QVERIFY(env.messages.said.last().contains("could not be found"));
        env.write("multiple/The Sun and other Stars.txt", "Only a title\r\n \r\n");
        sunScreen().onButtonClicked(TopicButton::MultipleChoice);
        QTRY_COMPARE(env.messages.said.size(), 2);
        QVERIFY(env.messages.said.last().contains("damaged"));
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("quizScreen"));
        QCOMPARE(env.sound.played.size(), 2); // the click is still heard

        // The reader's reason, on a line of its own.
        QList<QByteArray> lines =
            worksheets::questionSetBytes(testenv::sampleQuestionSet("Sun")).split('\n');
        lines[7] = "0\r"; // question 1's right answer
        env.write("multiple/The Sun and other Stars.txt", lines.join('\n'));
        sunScreen().onButtonClicked(TopicButton::MultipleChoice);
        QTRY_COMPARE(env.messages.said.size(), 3);
        QCOMPARE(env.messages.said.last().section('\n', 1),
                 QStringLiteral("Question 1 has \"0\" as its right answer; it must be 1 to 4."));

        // There, but not readable: a folder in the file's place, and (unless
        // running as root, who reads anything) a file without permissions.
        QFile::remove(env.content.filePath("multiple/The Sun and other Stars.txt"));
        QDir().mkpath(env.content.filePath("multiple/The Sun and other Stars.txt"));
        sunScreen().onButtonClicked(TopicButton::MultipleChoice);
        QTRY_COMPARE(env.messages.said.size(), 4);
        QVERIFY2(env.messages.said.last().startsWith(
                     "The questions for \"The Sun and other Stars\" cannot be read.\n"),
                 qPrintable(env.messages.said.last()));
        if (geteuid() != 0) {
            env.write("multiple/The Tides.txt", "Tides\r\n");
            QFile::setPermissions(env.content.filePath("multiple/The Tides.txt"), {});
            tidesScreen().onButtonClicked(TopicButton::MultipleChoice);
            QTRY_COMPARE(env.messages.said.size(), 5);
            QVERIFY(env.messages.said.last().contains("cannot be read"));
        }
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("quizScreen"));
    }

    void tidesHasNoActivitiesAndSaysSo() {
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        tidesScreen().onButtonClicked(TopicButton::LabellingActivity);
        tidesScreen().onButtonClicked(TopicButton::OrderingActivity);
        QTRY_COMPARE(env.messages.said.size(), 2);
        QVERIFY(env.messages.said[0].contains("labelling"));
        QVERIFY(env.messages.said[1].contains("ordering"));
        QCOMPARE(env.sound.played, QStringList({kClick, kClick}));
    }

    void exitRestartsTheMenuAnimation() {
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        shell::menuScreen().worksheetListRead = true; // as once the menu has read the list
        shell::menuScreen().onMenuItemClicked(MenuItem::Tides);
        QVERIFY(!shell::menuScreen().earthRiseTimer->isActive());
        tidesScreen().onButtonClicked(TopicButton::Exit);
        QVERIFY(shell::menuScreen().earthRiseTimer->isActive());
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("tides"));
        QCOMPARE(platform::AppWindow::instance().frontScreen(), &shell::menuScreen());
    }

    void pagingAThreePageSet() {
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        tidesScreen().onButtonClicked(TopicButton::KeyFacts);
        NotesScreen& notes = notesScreen();
        checkPageState(notes, 1, 3);
        notes.onButtonClicked(PageButton::Next);
        checkPageState(notes, 2, 3);
        QCOMPARE(notes.pagePicture->picturePath(), QStringLiteral("wmf\\key tidesb.wmf"));
        notes.onButtonClicked(PageButton::Next);
        checkPageState(notes, 3, 3);
        QCOMPARE(notes.printPagePicture->picturePath(), QStringLiteral("wmf2\\key tidesc.wmf"));
        notes.onButtonClicked(PageButton::Previous);
        notes.onButtonClicked(PageButton::Previous);
        checkPageState(notes, 1, 3);
        QCOMPARE(notes.pagePicture->picturePath(), QStringLiteral("wmf\\key tidesa.wmf"));
        QCOMPARE(env.sound.played.size(), 1); // only the topic screen's click
    }

    // The keys turn the pages as the page buttons do, and not past the ends;
    // Escape is "Exit". Each row starts on page `from` of the three.
    void pageKeys_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to"); // 0: the notes have gone
        QTest::newRow("Right") << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("Page Down") << 2 << int(Qt::Key_PageDown) << 3;
        QTest::newRow("Right on the last page") << 3 << int(Qt::Key_Right) << 3;
        QTest::newRow("Left") << 3 << int(Qt::Key_Left) << 2;
        QTest::newRow("Page Up") << 2 << int(Qt::Key_PageUp) << 1;
        QTest::newRow("Page Up on the first page") << 1 << int(Qt::Key_PageUp) << 1;
        QTest::newRow("Escape") << 2 << int(Qt::Key_Escape) << 0;
        QTest::newRow("another key") << 2 << int(Qt::Key_A) << 2;
    }
    void pageKeys() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        testenv::Fixture env;
        tidesScreen().onButtonClicked(TopicButton::KeyFacts);
        NotesScreen& notes = notesScreen();
        for (int page = 1; page < from; ++page)
            notes.onButtonClicked(PageButton::Next);
        QTest::keyClick(&notes, Qt::Key(key));
        if (to == 0) {
            QVERIFY(notes.isUnloading());
            return;
        }
        checkPageState(notes, to, 3);
        QCOMPARE(notes.pagePicture->picturePath(),
                 QStringLiteral("wmf\\key tides%1.wmf").arg(QChar(u'a' + to - 1)));
    }

    // Without a printer the page is saved, named after the set and the page.
    void savedPagesAreNamedByWhatTheyShow() {
        testenv::Fixture env;
        QTemporaryDir documents;
        platform::setSavedPagesFolder(documents.path());
        platform::setPrinterFactory(
            []() -> std::unique_ptr<platform::Printer> { throw platform::NoPrinterError("none"); });
        RecordingPrinter printer;
        QStringList files;
        platform::setPdfPrinterFactory([&](const QString& file) {
            files << QFileInfo(file).fileName();
            QFile(file).open(QIODevice::WriteOnly); // where the page would be written
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer));
        });
        env.write("wmf2/key tidesb.wmf", testenv::minimalWmf());
        env.write("wmf2/guide3.wmf", testenv::minimalWmf());
        const QString day = QDate::currentDate().toString(Qt::ISODate);
        tidesScreen().onButtonClicked(TopicButton::KeyFacts);
        notesScreen().onButtonClicked(PageButton::Next);
        notesScreen().onButtonClicked(PageButton::Print);
        shell::menuScreen().onMenuItemClicked(MenuItem::TeachersGuide);
        guideScreen().onButtonClicked(PageButton::Next);
        guideScreen().onButtonClicked(PageButton::Next);
        guideScreen().onButtonClicked(PageButton::Print);
        QCOMPARE(files, (QStringList{"Notes - key tides - page 2 - " + day + ".pdf.part",
                                     "Teachers' Guide - page 3 - " + day + ".pdf.part"}));
        QCOMPARE(env.messages.said.size(), 2);
        QVERIFY(env.messages.said[1].endsWith("Teachers' Guide - page 3 - " + day + ".pdf"));
    }

    void introductionIsTwoPages() {
        testenv::Fixture env;
        state().pageCount = 3; // left over from an earlier set
        shell::menuScreen().onMenuItemClicked(MenuItem::Introduction);
        NotesScreen& notes = notesScreen();
        QVERIFY(notes.isShown());
        checkPageState(notes, 1, 2);
        QCOMPARE(notes.pagePicture->picturePath(), QStringLiteral("wmf\\introductiona.wmf"));
        QCOMPARE(notes.printPagePicture->picturePath(), QStringLiteral("wmf2\\introductiona.wmf"));
        notes.onButtonClicked(PageButton::Next);
        checkPageState(notes, 2, 2);
        QCOMPARE(notes.pagePicture->picturePath(), QStringLiteral("wmf\\introductionb.wmf"));
    }

    void acknowledgementsHidePageControlsWhateverTheCount() {
        testenv::Fixture env;
        state().soundOn = 1;   // as once the menu has loaded
        state().pageCount = 3; // left over from an earlier set
        shell::menuScreen().onMenuItemClicked(MenuItem::Acknowledgements);
        NotesScreen& notes = notesScreen();
        QVERIFY(!notes.pageLabel->isVisibleTo(&notes));
        QVERIFY(!notes.nextPageButton->isVisibleTo(&notes));
        QVERIFY(!notes.previousPageButton->isVisibleTo(&notes));
        QCOMPARE(notes.backColor(), QColor(49, 130, 212));
        QCOMPARE(notes.pagePicture->picturePath(), QStringLiteral("wmf\\acknowledgments.wmf"));
        QCOMPARE(notes.makersLogoPicture->picturePath(), QStringLiteral("logo\\quillmere2.bmp"));
        QTRY_VERIFY(notes.animatedLogoPicture->isVisibleTo(&notes));
        QVERIFY(notes.animatedLogoPicture->picturePath().startsWith("logo\\quil00"));
        QCOMPARE(state().pageCount, 3);
    }

    void guideHasFivePages() {
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        shell::menuScreen().onMenuItemClicked(MenuItem::TeachersGuide);
        GuideScreen& g = guideScreen();
        QCOMPARE(g.pageLabel->caption(), QStringLiteral("Page 1 of 5"));
        QVERIFY(!g.previousPageButton->isEnabled());
        for (int i = 0; i < 4; ++i)
            g.onButtonClicked(PageButton::Next);
        QCOMPARE(g.pageLabel->caption(), QStringLiteral("Page 5 of 5"));
        QCOMPARE(g.pagePicture->picturePath(), QStringLiteral("wmf\\guide5.wmf"));
        QCOMPARE(g.printPagePicture->picturePath(), QStringLiteral("wmf2\\guide5.wmf"));
        QVERIFY(!g.nextPageButton->isEnabled());
        g.onButtonClicked(PageButton::Previous);
        QCOMPARE(g.pageLabel->caption(), QStringLiteral("Page 4 of 5"));
        QVERIFY(g.nextPageButton->isEnabled());
        QVERIFY(g.previousPageButton->isEnabled());
        QCOMPARE(env.sound.played.size(), 1); // the menu's click only
    }

    void printingDrawsThePrintVersion() {
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        env.write("wmf2/key tidesb.wmf", testenv::minimalWmf());
        RecordingPrinter printer;
        platform::setPrinterFactory([&printer] {
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer));
        });
        tidesScreen().onButtonClicked(TopicButton::KeyFacts);
        notesScreen().onButtonClicked(PageButton::Next);
        notesScreen().onButtonClicked(PageButton::Print);
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
        QCOMPARE(state().pageNumber, 2); // the page on screen stays
    }

    void printFailureIsReported() {
        testenv::Fixture env;
        state().soundOn = 1; // as once the menu has loaded
        env.write("wmf2/guide1.wmf", testenv::minimalWmf());
        platform::setPrinterFactory(
            []() -> std::unique_ptr<platform::Printer> { throw platform::PrinterError("none"); });
        shell::menuScreen().onMenuItemClicked(MenuItem::TeachersGuide);
        guideScreen().onButtonClicked(PageButton::Print);
        QCOMPARE(env.messages.said,
                 QStringList{QStringLiteral("There was a problem printing to your printer.")});
        QCOMPARE(guideScreen().pageLabel->caption(), QStringLiteral("Page 1 of 5"));
        QVERIFY(!QGuiApplication::overrideCursor());

        // Running out of memory half-way through a page is not a printer
        // error, and must still not reach the event loop.
        RecordingPrinter printer;
        printer.failAt = 2;
        printer.failure = RecordingPrinter::Failure::OutOfMemory;
        platform::setPrinterFactory([&printer] {
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer));
        });
        guideScreen().onButtonClicked(PageButton::Print);
        QCOMPARE(env.messages.said.last(), QStringLiteral("Printing has been cancelled."));
        QVERIFY(!printer.ended);
        QVERIFY(!QGuiApplication::overrideCursor()); // the hourglass is gone
    }
};

QTEST_MAIN(TopicsTest)
#include "tst_topics.moc"
