// SPDX-License-Identifier: GPL-3.0-or-later
// A topic or activity file the readers refuse gives a message naming it; the menu stays usable.

#include "common/sharedstate.h"
#include "shell/menuscreen.h"
#include "support/testenv.h"
#include "topics/topicscreen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using common::state;
using shell::MenuItem;
using topics::TopicButton;

namespace {

// Sets the value at a path of keys and indices ("boxes/0/answer"); undefined removes it.
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

} // namespace

class ContentFilesTest : public QObject {
    Q_OBJECT
private slots:
    // Each row sets `path` of a shipped file to `value` (JSON; "-" removes it); "raw": the
    // value is the whole file; "gone": no file.
    void refusedFilesAreNamedAndTheMenuStaysUsable_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");
        auto sun = [](const char* name, const char* path, const QString& value, const char* said) {
            QTest::newRow(name) << "topics/The Sun and other Stars.json" << path << value << said;
        };
        auto label = [](const char* name, const char* path, const QString& value,
                        const char* said) {
            QTest::newRow(name) << "activities/sun label.json" << path << value << said;
        };
        sun("topic file missing", "gone", "",
            "\"The Sun and other Stars\" cannot be opened: its topic file \"topics\\The Sun and "
            "other Stars.json\" is missing from the content folder.");
        sun("malformed", "raw", "{\"format\": 1,", "it is not valid JSON");
        sun("not an object", "raw", "[1]", "not a JSON object");
        sun("too large", "raw", QString(300 * 1024, ' '), "larger than 256 KB");
        sun("later format", "format", "2", "\"format\" must be 1");
        sun("key missing", "questionFile", "-", "\"questionFile\" is missing");
        sun("no such activity", "ordering", "\"activities\\\\gone.json\"",
            "names \"activities\\gone.json\", which does not exist");
        sun("path leaves the folder", "quizPicture", "\"..\\\\secret.jpg\"",
            "must name a file in the content folder");
        sun("picture off the window", "picture/top", "9000",
            "\"picture.top\" must hold numbers from 0");
        sun("not a colour", "background", "\"blue\"",
            "\"background\" must be a colour written #rrggbb");
        sun("too many pages", "keyFacts/pages", "27",
            "\"keyFacts.pages\" must hold numbers from 1 to 26");
        sun("title not the file's", "title", "\"The Moon\"", "but the file is named after");
        label("box without a label", "boxes/1/answer", "\"\"", "\"boxes[1].answer\" is empty");
        label("label without a box", "starts/4", "[300, 5000]",
              "there are 4 boxes but 5 starting places");
        label("box outside the window", "boxes/0/left", "10500", "puts a label outside the window");
        label("start outside the window", "starts/0", "[300, 8500]",
              "\"starts[0]\" puts a label outside");
        label("text outside the window", "texts/0/rect", "[12000, 100, 500, 500]",
              "\"texts[0].rect\" lies outside the window");
        label("two boxes, one answer", "boxes/1/answer", "\"White Dwarf\"",
              "two boxes have the answer \"White Dwarf\"");
        label("text too long", "texts/0/text", "\"" + QString(601, 'a') + "\"",
              "\"texts[0].text\" is longer than 600 characters");
        label("too many lines", "lines", "[" + QStringList(65, "[0, 0, 1, 1]").join(',') + "]",
              "\"lines\" has more than 64 items");
        label("unknown font", "texts/2/font", "\"Comic\"", "\"texts[2].font\" must be \"Tahoma\"");
        label("word mark beyond the texts", "wordMark", "{\"text\": 0, \"marker\": 6}",
              "\"wordMark.marker\" must hold numbers");
    }
    void refusedFilesAreNamedAndTheMenuStaysUsable() {
        QFETCH(QString, file);
        QFETCH(QString, path);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        testenv::Fixture env;
        state().soundOn = true;
        shell::menuScreen().showScreen();
        if (path == "gone") {
            QFile::remove(env.content.filePath(file));
        } else if (path == "raw") {
            env.write(file, value.toUtf8());
        } else {
            const QJsonValue v =
                value == "-" ? QJsonValue(QJsonValue::Undefined)
                             : QJsonDocument::fromJson("[" + value.toUtf8() + "]").array().at(0);
            const QJsonValue read = QJsonDocument::fromJson(env.read(file)).object();
            env.write(file, QJsonDocument(edited(read, path.split('/'), v).toObject()).toJson());
        }
        shell::menuScreen().onMenuItemClicked(MenuItem::SunAndStars);
        const QString opened = file.startsWith("topics") ? "menuScreen" : "sunScreen";
        if (opened == "sunScreen")
            topics::topicScreen("The Sun and other Stars")
                ->onButtonClicked(TopicButton::LabellingActivity);
        QTRY_COMPARE(env.messages.said.size(), 1);
        const QString said = env.messages.said.first();
        const QString named = QString(file).replace('/', '\\');
        QVERIFY2(
            said.contains(problem) &&
                (path == "gone" || said.startsWith("The file \"" + named + "\" cannot be used: ")),
            qPrintable(said));
        // Nothing opened; the menu (or the topic) is still in front and works.
        QCOMPARE(testenv::frontScreenName(), opened);
        shell::menuScreen().onMenuItemClicked(MenuItem::Tides);
        QCOMPARE(testenv::frontScreenName(), QStringLiteral("tidesScreen"));
        QCOMPARE(env.messages.said.size(), 1);
        QCOMPARE(env.sound.played.size(), opened == "sunScreen" ? 3 : 2);
    }
};

QTEST_MAIN(ContentFilesTest)
#include "tst_contentfiles.moc"
