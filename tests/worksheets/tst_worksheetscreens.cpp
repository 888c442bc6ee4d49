// SPDX-License-Identifier: GPL-3.0-or-later
// The wizard and the catalogue offscreen: their wiring (the rules have unit tests).

#include "platform/textlabel.h"
#include "questions/questionfile.h"
#include "quiz/quizscreen.h"
#include "shell/menuactions.h"
#include "shell/menuscreen.h"
#include "support/samplequestions.h"
#include "support/testenv.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/listlock.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetlist.h"
#include "worksheetstests.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace worksheets;
using namespace sheettest;
using common::state;
using testenv::sampleQuestionSet;

namespace {

const QString kSaved = QStringLiteral("Your worksheet has been saved.");
const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

QString contentFile(testenv::Fixture& env, const QString& name) {
    return env.content.filePath(QStringLiteral("multiple/") + name);
}

// A list of titles, each with its question file.
void writeWorksheets(testenv::Fixture& env, const QStringList& titles) {
    env.write(QStringLiteral("multiple\\track.txt"), worksheetListBytes(titles));
    for (const QString& title : titles)
        env.write(QStringLiteral("multiple\\") + title + QStringLiteral(".txt"),
                  questionSetBytes(sampleQuestionSet(title)));
}

// The sample set shown in the wizard under a title, as if typed.
void typeSampleSet(WizardScreen& wizard, const QString& title) {
    wizard.showEntries(*entriesOf(sampleQuestionSet(title)));
    wizard.questionBoxes[0]->setText(QStringLiteral("Typed?")); // changed since shown
}

QStringList shownTitles() {
    QStringList shown;
    for (int slot = 1; slot <= 24; ++slot) {
        platform::TextLabel* label = catalogueScreen().titleSlots[std::size_t(slot)];
        if (!label->isHidden())
            shown << label->caption();
    }
    return shown;
}

// Clicks the slot showing a title on the page shown.
void clickTitle(const QString& title) {
    const int slot = int(shownTitles().indexOf(title)) + 1;
    QVERIFY2(slot > 0, qPrintable(title));
    catalogueScreen().onTitleClicked(slot);
}

} // namespace

class WorksheetScreensTest : public QObject {
    Q_OBJECT

private slots:
    void wizardRefusalsWriteNothing() {
        testenv::Fixture env;
        state().soundOn = true;
        WizardScreen& wizard = wizardScreen();
        typeSampleSet(wizard, QStringLiteral("Rocks"));
        wizard.questionBoxes[3]->clear();
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        QCOMPARE(env.messages.said, QStringList({"You have not completed Question 4"}));
        QCOMPARE(env.sound.played.size(), 1); // the click
        QCOMPARE(QDir(contentFile(env, QString())).entryList(QDir::Files), QStringList());
    }

    void listTitlesThatWouldLeaveTheFolderReadAsDamaged() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air")});
        env.write(QStringLiteral("outside.txt"), questionSetBytes(sampleQuestionSet("Outside")));
        env.write(QStringLiteral("multiple\\track.txt"),
                  worksheetListBytes({"../outside", "Air", "TRACK", "..\\outside"}));
        for (const char* title : {"../outside", "TRACK", "..\\outside"})
            clickTitle(title);
        QCOMPARE(env.messages.said,
                 QStringList(3, kCorrupted + QStringLiteral("\nIts title in the list cannot "
                                                            "name a worksheet's file.")));
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("quizScreen"));
        state().soundOn = false;
        clickTitle(QStringLiteral("Air")); // the others stay usable, and open as a quiz
        QVERIFY(quiz::quizScreen().isShown());
        QCOMPARE(quiz::quizScreen().subjectLabel->caption(), QStringLiteral("Corvella"));
        QVERIFY(!quiz::quizScreen().printWorksheetButton->isHidden());
        QVERIFY(!shell::menuScreenLoaded()); // taking its title did not load it
        QVERIFY(!state().soundOn);
    }

    void enterMovesThroughTheBoxes() {
        testenv::Fixture env;
        WizardScreen& wizard = wizardScreen();
        // Title, question 1, its options A to D, question 2..., staying in the last box.
        QList<QLineEdit*> order = {wizard.titleBox};
        for (int q = 0; q < 10; ++q)
            order << wizard.questionBoxes[q] << wizard.optionBoxes[4 * q]
                  << wizard.optionBoxes[4 * q + 1] << wizard.optionBoxes[4 * q + 2]
                  << wizard.optionBoxes[4 * q + 3];
        order << wizard.optionBoxes[39];
        wizard.showScreen();
        wizard.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow());
        wizard.titleBox->setFocus();
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
    }

    void afterTheCatalogueTheMenuAnimatesAsAFreshOneWould_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<bool>("animated");
        QTest::newRow("readable list") << worksheetListBytes({"Air"}) << true;
        QTest::newRow("damaged list") << QByteArray(" 3 \r\nAir\r\n") << false;
    }
    void afterTheCatalogueTheMenuAnimatesAsAFreshOneWould() {
        QFETCH(QByteArray, list);
        testenv::Fixture env;
        env.write(QStringLiteral("multiple\\track.txt"), list);
        shell::menuScreen().onMenuItemClicked(shell::MenuItem::WorksheetCatalogue);
        testenv::Fixture::settle();
        QVERIFY(catalogueScreen().isShown());
        QVERIFY(!shell::menuScreenLoaded()); // in place of the menu
        catalogueScreen().onExitClicked();
        testenv::Fixture::settle();
        QVERIFY(shell::menuScreen().isShown());
        QTRY_VERIFY(!shell::menuScreen().worksheetListTimer->isActive()); // the list was read
        QTEST(shell::menuScreen().earthRiseTimer->isActive(), "animated");
    }

    void exitAsksBeforeLosingChangesAndTheCatalogueReadsTheListAgain() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air"), QStringLiteral("Water")});
        catalogueScreen().showScreen();
        catalogueScreen().editTick->setChecked(true);
        clickTitle(QStringLiteral("Water"));
        WorksheetList(contentFile(env, QString())).remove(QStringLiteral("Air")); // another teacher
        wizardScreen().onButtonClicked(WizardButton::Exit); // loaded, not changed: no question
        testenv::Fixture::settle();
        QVERIFY(env.messages.said.isEmpty());
        QCOMPARE(shownTitles(), QStringList({"Water"}));

        WizardScreen& wizard = wizardScreen();
        wizard.rightOptionTicks[5]->setChecked(true);
        env.messages.answers = {false}; // Stay
        wizard.onButtonClicked(WizardButton::Exit);
        QVERIFY(!wizard.isUnloading());
        typeSampleSet(wizard, QStringLiteral("Rocks"));
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        wizard.onButtonClicked(WizardButton::Exit); // saved: no question
        QVERIFY(wizard.isUnloading());
        QCOMPARE(env.messages.said, QStringList({"Leave without saving your worksheet?", kSaved}));
    }

    void aHeldListKeepsTheScreenAnsweringUntilItIsFree() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air")});
        std::optional<ListLock> other(std::in_place, contentFile(env, QString()));
        QCOMPARE(other->take(), ListLock::Outcome::Taken);
        WizardScreen& wizard = wizardScreen();
        wizard.showScreen();
        typeSampleSet(wizard, QStringLiteral("Rocks"));
        // Until another teacher's save ends, timers run and the hourglass shows.
        int ticks = 0;
        bool hourglass = false;
        QTimer clock;
        connect(&clock, &QTimer::timeout, [&] {
            hourglass = hourglass || (QGuiApplication::overrideCursor() &&
                                      QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
            if (++ticks == 20)
                other.reset();
        });
        clock.start(10);
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        QVERIFY(ticks >= 20);
        QVERIFY(hourglass);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(env.messages.said, QStringList({kSaved}));
    }

    void editingFillsTheWizardAndWarnsOfTextsCutShort() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Salt & sand")});
        common::QuestionSet set = sampleQuestionSet(QStringLiteral("Salt & sand"));
        set.optionC[6] = QStringLiteral("Sand, and clay");
        set.optionB[3] = QString(45, u'b');
        set.questionText[10] = QString(61, u'q');
        env.write(QStringLiteral("multiple\\Salt & sand.txt"), questionSetBytes(set));
        catalogueScreen().showScreen();
        catalogueScreen().deleteTick->setChecked(true);
        catalogueScreen().editTick->setChecked(true);
        QVERIFY(!catalogueScreen().deleteTick->isChecked()); // one or the other
        clickTitle(QStringLiteral("Salt & sand"));
        QCOMPARE(env.messages.said,
                 QStringList(QStringLiteral(
                     "Some texts of this worksheet are longer than the wizard's boxes and will be "
                     "cut short: Question 3, option B; Question 10. Saving keeps them as the "
                     "boxes show them.")));

        WizardScreen& wizard = wizardScreen();
        // As listed: the file's title line would turn the "&" into a comma.
        QCOMPARE(wizard.titleBox->text(), QStringLiteral("Salt & sand"));
        QCOMPARE(wizard.optionBoxes[4 * 5 + 2]->text(), QStringLiteral("Sand, and clay"));
        QCOMPARE(wizard.optionBoxes[4 * 2 + 1]->text(), QString(30, u'b'));
        QVERIFY(wizard.rightOptionTicks[4 * 9 + 1]->isChecked());
    }

    void deletingKeepsThePageAndItsButtons() {
        testenv::Fixture env;
        writeWorksheets(env, numbered(26));
        CatalogueScreen& catalogue = catalogueScreen();
        catalogue.deleteTick->setChecked(true);
        env.messages.answers = {false, true};
        clickTitle(QStringLiteral("Sheet 5")); // Cancel
        QCOMPARE(shownTitles(), numbered(24));
        clickTitle(QStringLiteral("Sheet 5")); // OK
        QCOMPARE(env.messages.said,
                 QStringList(2, "Are you sure that you want to delete the worksheet Sheet 5?"));
        QStringList left = numbered(26);
        left.removeAt(4);
        QCOMPARE(shownTitles(), left.mid(0, 24)); // sheet 25 moved up into slot 24
        QVERIFY(QFile::exists(contentFile(env, QStringLiteral("Sheet 5.txt")))); // only unlisted

        catalogue.onPageButtonClicked(PageButton::Next);
        clickTitle(QStringLiteral("Sheet 26")); // the only title of the last page
        QVERIFY(shownTitles().isEmpty());
        QVERIFY(!catalogue.previousPageButton->isHidden()); // until the page changes
        QCOMPARE(catalogue.pageLabel->caption(), QStringLiteral("Page 2"));
        left.removeLast();
        QCOMPARE(fileBytes(contentFile(env, QStringLiteral("track.txt"))),
                 worksheetListBytes(left));
        catalogue.onPageButtonClicked(PageButton::Previous);
        QCOMPARE(shownTitles(), left);
        QVERIFY(catalogue.nextPageButton->isHidden());
    }

    void aTitleWhoseFileIsGoneOrDamagedIsCorrupted() {
        testenv::Fixture env;
        writeWorksheets(env,
                        {QStringLiteral("Rocks"), QStringLiteral("Air"), QStringLiteral("Sea")});
        for (const char* gone : {"Rocks.txt", "Sea.txt"})
            QFile::remove(contentFile(env, QString::fromLatin1(gone)));
        env.write(QStringLiteral("multiple\\Air.txt"), "Air\r\n \r\nShort\r\n");
        QDir().mkpath(contentFile(env, QStringLiteral("Sea.txt"))); // there, but not a file
        catalogueScreen().deleteTick->setChecked(true); // every action loads the worksheet first
        for (const char* title : {"Rocks", "Air", "Sea"})
            clickTitle(title);
        QCOMPARE(env.messages.said.mid(0, 2),
                 QStringList({kCorrupted + "\nIts file could not be found.",
                              kCorrupted + "\nThe question file ends before line 4 of 72."}));
        QVERIFY2(env.messages.said.last().startsWith(kCorrupted + "\nIts file cannot be read ("),
                 qPrintable(env.messages.said.last()));
        QCOMPARE(shownTitles(), QStringList({"Rocks", "Air", "Sea"}));
    }
};

QTEST_MAIN(WorksheetScreensTest)
#include "tst_worksheetscreens.moc"
