// SPDX-License-Identifier: GPL-3.0-or-later
// Topics and activities as content files: a file the readers refuse gives a
// message naming the file and the problem while the menu stays usable, and a
// topic added as files only appears from the menu with all it has.

#include "activities/activityscreen.h"
#include "common/sharedstate.h"
#include "platform/appwindow.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "questions/questionfile.h"
#include "quiz/quizscreen.h"
#include "shell/menuscreen.h"
#include "support/samplequestions.h"
#include "support/testenv.h"
#include "topics/notesscreen.h"
#include "topics/topicscreen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using common::state;
using shell::MenuItem;
using topics::TopicButton;

Q_DECLARE_METATYPE(shell::MenuItem)

namespace {

QString frontName() {
    const platform::Screen* front = platform::AppWindow::instance().frontScreen();
    return front ? front->name() : QString();
}

QJsonObject shipped(const QString& file) {
    QFile f(QStringLiteral(CORVELLA_SOURCE_MEDIA "/") + file);
    f.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(f.readAll()).object();
}

// Sets the value at a path of keys and indices ("boxes/0/answer"); an
// undefined value removes it.
QJsonValue edited(const QJsonValue& at, QStringList path, const QJsonValue& value) {
    if (path.isEmpty())
        return value;
    const QString step = path.takeFirst();
    bool isIndex = false;
    const int index = step.toInt(&isIndex);
    if (isIndex) {
        QJsonArray array = at.toArray();
        if (path.isEmpty() && value.isUndefined())
            array.removeAt(index);
        else if (index == array.size())
            array.append(edited(QJsonValue(), path, value));
        else
            array[index] = edited(array[index], path, value);
        return array;
    }
    QJsonObject object = at.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = edited(object[step], path, value);
    return object;
}

QByteArray json(const QJsonValue& value) {
    return QJsonDocument(value.toObject()).toJson();
}

void settle() {
    testenv::Fixture::settle();
    QCoreApplication::processEvents();
}

} // namespace

class ContentFilesTest : public QObject {
    Q_OBJECT
private slots:
    // Each row spoils one shipped file: `path` and `value` (JSON; "-" removes
    // the key, `raw` replaces the whole file with the value's text).
    void refusedFilesAreNamedAndTheMenuStaysUsable_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");
        const QString sun = QStringLiteral("topics/The Sun and other Stars.json");
        const QString label = QStringLiteral("activities/sun label.json");
        QTest::newRow("malformed") << sun << "raw"
                                   << "{\"format\": 1,"
                                   << "it is not valid JSON";
        QTest::newRow("not an object") << sun << "raw"
                                       << "[1]"
                                       << "not a JSON object";
        QTest::newRow("too large")
            << sun << "raw" << QString(300 * 1024, ' ') << "larger than 256 KB";
        QTest::newRow("later format") << sun << "format"
                                      << "2"
                                      << "\"format\" must be 1";
        QTest::newRow("key missing") << sun << "questionFile"
                                     << "-"
                                     << "\"questionFile\" is missing";
        QTest::newRow("no such activity")
            << sun << "ordering"
            << "\"activities\\\\gone.json\""
            << "names \"activities\\gone.json\", which does not exist";
        QTest::newRow("path leaves the folder") << sun << "quizPicture"
                                                << "\"..\\\\secret.jpg\""
                                                << "must name a file in the content folder";
        QTest::newRow("picture off the window") << sun << "picture/top"
                                                << "9000"
                                                << "\"picture.top\" must hold numbers from 0";
        QTest::newRow("not a colour") << sun << "background"
                                      << "\"blue\""
                                      << "\"background\" must be a colour written #rrggbb";
        QTest::newRow("too many pages") << sun << "keyFacts/pages"
                                        << "27"
                                        << "\"keyFacts.pages\" must hold numbers from 1 to 26";
        QTest::newRow("title not the file's") << sun << "title"
                                              << "\"The Moon\""
                                              << "but the file is named after";
        QTest::newRow("box without a label") << label << "boxes/1/answer"
                                             << "\"\""
                                             << "\"boxes[1].answer\" is empty";
        QTest::newRow("label without a box") << label << "starts/4"
                                             << "[300, 5000]"
                                             << "there are 4 boxes but 5 starting places";
        QTest::newRow("box outside the window") << label << "boxes/0/left"
                                                << "10500"
                                                << "puts a label outside the window";
        QTest::newRow("start outside the window") << label << "starts/0"
                                                  << "[300, 8500]"
                                                  << "\"starts[0]\" puts a label outside";
        QTest::newRow("text outside the window") << label << "texts/0/rect"
                                                 << "[12000, 100, 500, 500]"
                                                 << "\"texts[0].rect\" lies outside the window";
        QTest::newRow("two boxes, one answer") << label << "boxes/1/answer"
                                               << "\"White Dwarf\""
                                               << "two boxes have the answer \"White Dwarf\"";
        QTest::newRow("text too long") << label << "texts/0/text"
                                       << "\"" + QString(601, 'a') + "\""
                                       << "\"texts[0].text\" is longer than 600 characters";
        QTest::newRow("too many lines") << label << "lines"
                                        << "[" + QStringList(65, "[0, 0, 1, 1]").join(',') + "]"
                                        << "\"lines\" has more than 64 items";
        QTest::newRow("unknown font") << label << "texts/2/font"
                                      << "\"Comic\""
                                      << "\"texts[2].font\" must be \"Tahoma\"";
        QTest::newRow("word mark beyond the texts") << label << "wordMark"
                                                    << "{\"text\": 0, \"marker\": 6}"
                                                    << "\"wordMark.marker\" must hold numbers";
    }
    void refusedFilesAreNamedAndTheMenuStaysUsable() {
        QFETCH(QString, file);
        QFETCH(QString, path);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        testenv::Fixture env;
        state().soundOn = true;
        if (path == "raw") {
            env.write(file, value.toUtf8());
        } else {
            const QJsonValue v =
                value == "-" ? QJsonValue(QJsonValue::Undefined)
                             : QJsonDocument::fromJson("[" + value.toUtf8() + "]").array().at(0);
            env.write(file, json(edited(shipped(file), path.split('/'), v)));
        }
        shell::MenuScreen& menu = shell::menuScreen();
        menu.showScreen();
        menu.onMenuItemClicked(MenuItem::SunAndStars);
        if (file.startsWith("activities")) {
            QCOMPARE(frontName(), QStringLiteral("sunScreen"));
            topics::topicScreen("The Sun and other Stars")
                ->onButtonClicked(TopicButton::LabellingActivity);
        }
        QTRY_COMPARE(env.messages.said.size(), 1);
        const QString said = env.messages.said.first();
        QString named = file;
        QVERIFY2(said.startsWith("The file \"" + named.replace('/', '\\') + "\" cannot be used: "),
                 qPrintable(said));
        QVERIFY2(said.contains(problem), qPrintable(said));
        // Nothing opened; the menu (or the topic) is still in front and works.
        QCOMPARE(frontName(), file.startsWith("topics") ? "menuScreen" : "sunScreen");
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("starLifeScreen"));
        menu.onMenuItemClicked(MenuItem::Tides);
        QCOMPARE(frontName(), QStringLiteral("tidesScreen"));
    }

    // Whichever topic's file is missing, shipped or not, the click says which
    // file is missing and where it was looked for, and the menu carries on.
    void aMissingTopicFileIsNamedAndTheMenuStaysUsable_data() {
        QTest::addColumn<MenuItem>("item");
        QTest::addColumn<QString>("title");
        QTest::newRow("first topic") << MenuItem::Tides << "The Tides";
        QTest::newRow("made from files") << MenuItem::Eclipses << "Eclipses";
        QTest::newRow("last topic") << MenuItem::MoonLandings << "The Moon Landings";
    }
    void aMissingTopicFileIsNamedAndTheMenuStaysUsable() {
        QFETCH(MenuItem, item);
        QFETCH(QString, title);
        testenv::Fixture env;
        state().soundOn = true;
        QFile::remove(env.content.filePath("topics/" + title + ".json"));
        shell::MenuScreen& menu = shell::menuScreen();
        menu.showScreen();
        menu.onMenuItemClicked(item);
        QCOMPARE(env.sound.played, QStringList{QStringLiteral("wav\\click.wav")});
        QTRY_COMPARE(env.messages.said.size(), 1);
        const QString said = env.messages.said.first();
        QVERIFY2(said.startsWith("\"" + title + "\" cannot be opened: its topic file \"topics\\" +
                                 title + ".json\" is missing from the content folder."),
                 qPrintable(said));
        QCOMPARE(frontName(), QStringLiteral("menuScreen"));
        menu.onMenuItemClicked(MenuItem::SunAndStars);
        QCOMPARE(frontName(), QStringLiteral("sunScreen"));
        QCOMPARE(env.messages.said.size(), 1);
    }

    // A fifth of the menu's topics gets its files; no C++ knows of it.
    void aTopicAddedAsFilesAppearsFromTheMenu() {
        testenv::Fixture env;
        state().soundOn = true;
        QJsonValue topic = shipped("topics/Life on Earth.json");
        topic = edited(topic, {"screen"}, "solarSystemScreen");
        topic = edited(topic, {"title"}, "The Solar System");
        topic = edited(topic, {"questionFile"}, "multiple\\solar.txt");
        topic = edited(topic, {"keyFacts", "pages"}, 4);
        topic = edited(topic, {"keyFacts", "stem"}, "key solar");
        topic = edited(topic, {"ordering"}, "activities\\Planet Order.json");
        topic = edited(topic, {"labelling"}, "activities\\planet names.json");
        env.write("topics/The Solar System.json", json(topic));
        QJsonValue ordering = shipped("activities/life order.json");
        ordering = edited(ordering, {"screen"}, "planetOrderScreen");
        ordering = edited(ordering, {"boxes", "0", "answer"}, "Mercury is nearest the Sun.");
        env.write("activities/planet order.json", json(ordering));
        env.write("activities/planet names.json", json(edited(shipped("activities/sun label.json"),
                                                              {"screen"}, "planetNamesScreen")));
        env.write("multiple/solar.txt",
                  worksheets::questionSetBytes(testenv::sampleQuestionSet("The Solar System")));

        shell::menuScreen().showScreen();
        shell::menuScreen().onMenuItemClicked(MenuItem::SolarSystem);
        QCOMPARE(frontName(), QStringLiteral("solarSystemScreen"));
        topics::TopicScreen& screen = *topics::topicScreen("The Solar System");
        QCOMPARE(screen.titleLabel->caption(), QStringLiteral("The Solar System"));

        screen.onButtonClicked(TopicButton::KeyFacts);
        QCOMPARE(frontName(), QStringLiteral("notesScreen"));
        QCOMPARE(topics::notesScreen().pagePicture->picturePath(), "wmf\\key solara.wmf");
        QCOMPARE(topics::notesScreen().pageLabel->caption(), QStringLiteral("Page 1 of 4"));
        topics::notesScreen().onButtonClicked(topics::PageButton::Exit);
        settle();
        screen.onButtonClicked(TopicButton::TeachersNotes);
        QCOMPARE(frontName(), QStringLiteral("notesScreen"));
        topics::notesScreen().onButtonClicked(topics::PageButton::Exit);
        settle();

        screen.onButtonClicked(TopicButton::MultipleChoice);
        QCOMPARE(frontName(), QStringLiteral("quizScreen"));
        QCOMPARE(state().questions.title, QStringLiteral("The Solar System"));
        quiz::quizScreen().onButtonClicked(quiz::QuizButton::Exit);
        settle();

        const struct {
            TopicButton button;
            const char* screen;
            const char* firstLabel;
        } activities[] = {
            {TopicButton::OrderingActivity, "planetOrderScreen", "Mercury is nearest the Sun."},
            {TopicButton::LabellingActivity, "planetNamesScreen", "White Dwarf"},
        };
        for (const auto& a : activities) {
            screen.onButtonClicked(a.button);
            QCOMPARE(frontName(), QString::fromLatin1(a.screen));
            auto& activity = *qobject_cast<activities::ActivityScreen*>(
                platform::AppWindow::instance().frontScreen());
            QCOMPARE(activity.titleLabel->caption(), QStringLiteral("The Solar System"));
            QCOMPARE(activity.dragLabels[0]->caption(), QString::fromLatin1(a.firstLabel));
            activity.onButtonClicked(activities::ActivityButton::Exit);
            settle();
            QCOMPARE(frontName(), QStringLiteral("solarSystemScreen"));
        }
        QVERIFY(env.messages.said.isEmpty());
    }
};

QTEST_MAIN(ContentFilesTest)
#include "tst_contentfiles.moc"
