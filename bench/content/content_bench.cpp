// SPDX-License-Identifier: GPL-3.0-or-later
// Content-file benchmark: opening the topic screen of "Life on Earth" and its
// ordering activity, painting included, with what they show read from their
// files, against the same screens built from tables compiled into the
// program (as they were before topics became files). Also the reading alone.
// The two ways take turns, run by run. Runs offscreen unless a display is
// given.
//
//   content_bench [runs]

#include "activities/activityscreen.h"
#include "common/sharedstate.h"
#include "common/style.h"
#include "platform/appwindow.h"
#include "platform/fonts.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "topics/topicscreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Silent : platform::SoundPlayer {
    void play(const QString&) override {}
};

double medianMs(std::vector<qint64> ns) {
    std::sort(ns.begin(), ns.end());
    return ns.empty() ? 0 : double(ns[ns.size() / 2]) / 1e6;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// "Life on Earth" as the compiled table held it.
topics::TopicInfo compiledTopic() {
    return {QStringLiteral("lifeScreen"),
            QStringLiteral("Life on Earth"),
            780,
            QColor(39, 63, 137),
            Qt::black,
            QStringLiteral("Images\\babyseal.jpg"),
            true,
            810,
            2160,
            QStringLiteral("multiple\\Life on Earth.txt"),
            QStringLiteral("images\\babysealsm.jpg"),
            {3, QStringLiteral("key life"), QStringLiteral("wmf\\key lifea.wmf"),
             QStringLiteral("wmf2\\key lifea.wmf")},
            {2, QStringLiteral("life"), QStringLiteral("wmf\\lifea.wmf"),
             QStringLiteral("wmf2\\lifea.wmf")},
            QStringLiteral("activities\\life order.json"),
            QStringLiteral("activities\\life label.json")};
}

// The timeline of life as the compiled table built it.
activities::ActivityLayout compiledTimeline() {
    using activities::TextSpec;
    namespace style = common::style;
    const QColor green(0, 255, 0), cyan(128, 255, 255), darkRed(192, 0, 0);
    activities::ActivityLayout a;
    a.source = QStringLiteral("activities\\life order.json");
    a.screenName = QStringLiteral("lifeTimelineScreen");
    a.labelWidth = 1755;
    a.labelHeight = 975;
    a.labelPoints = 11.25;
    a.title = {QString(), {120, 240, 2985, 705}, style::kTimes,   24,
               false,     style::kYellow,        Qt::AlignHCenter};
    a.texts = {
        {QStringLiteral("Label the timeline with the significant events in the evolution of "
                        "life on Earth."),
         {4320, 120, 6825, 1545},
         style::kTimes,
         20.25,
         false,
         green,
         Qt::AlignHCenter},
        {QStringLiteral("Drag the labels into the correct boxes."),
         {120, 7800, 2625, 705},
         style::kTahoma,
         12,
         true,
         cyan,
         Qt::AlignHCenter},
    };
    const struct {
        const char* words;
        float left, top;
    } captions[] = {
        {"4,500 million years ago", 480, 3240},  {"3,500 million years ago", 2400, 4380},
        {"1,000 million years ago", 7200, 3240}, {"360 million years ago", 8100, 4380},
        {"220 million years ago", 9240, 3240},   {"100 thousand years ago", 9840, 4380},
    };
    for (const auto& c : captions)
        a.texts.push_back({QString::fromLatin1(c.words),
                           {c.left, c.top, 1575, 615},
                           style::kTahoma,
                           11.25,
                           true,
                           style::kYellow,
                           Qt::AlignHCenter});
    a.texts.push_back({QStringLiteral("thousand"),
                       {10335, 4380, 1095, 615},
                       style::kTahoma,
                       11.25,
                       true,
                       darkRed,
                       Qt::AlignHCenter});
    a.wordMark = activities::WordMark{int(a.texts.size()) - 2, int(a.texts.size()) - 1};
    a.lines = {{1200, 4080, 10200, 4080}};
    const float tickX[] = {1200, 3195, 8205, 9475, 9765, 10200};
    for (int i = 0; i < 6; ++i) {
        const bool above = i % 2 == 0;
        a.lines.push_back({tickX[i], above ? 3840.f : 4080.f, tickX[i], above ? 4080.f : 4320.f});
    }
    a.boxes = {
        {QStringLiteral("The first creatures with many cells."), 7080, 2160,
         QStringLiteral("1,000 million years ago")},
        {QStringLiteral("The Sun, Earth, Moon and planets formed"), 360, 2160,
         QStringLiteral("4,500 million years ago")},
        {QStringLiteral("The first mammals evolved."), 9120, 2160,
         QStringLiteral("220 million years ago")},
        {QStringLiteral("The earliest known life. Bacteria"), 2280, 4980,
         QStringLiteral("3,500 million years ago")},
        {QStringLiteral("First four-legged animals on land."), 7980, 4980,
         QStringLiteral("360 million years ago")},
        {QStringLiteral("The first human beings evolved."), 9840, 4980,
         QStringLiteral("100 thousand years ago")},
    };
    a.starts = {{6000, 6720}, {7800, 6720}, {9600, 6720}, {600, 6720}, {4200, 6720}, {2400, 6720}};
    return a;
}

// Whether the file holds what the table holds, so that both ways build the
// same screen.
bool sameLayout(const activities::ActivityLayout& a, const activities::ActivityLayout& b) {
    const auto sameRect = [](const activities::TwipRect& r, const activities::TwipRect& s) {
        return r.left == s.left && r.top == s.top && r.width == s.width && r.height == s.height;
    };
    if (a.size() != b.size() || a.texts.size() != b.texts.size() ||
        a.lines.size() != b.lines.size() || a.labelPoints != b.labelPoints)
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a.boxes[size_t(i)].answer != b.boxes[size_t(i)].answer ||
            !sameRect(a.boxRect(i), b.boxRect(i)) || !sameRect(a.startRect(i), b.startRect(i)))
            return false;
    for (size_t i = 0; i < a.texts.size(); ++i)
        if (a.texts[i].text != b.texts[i].text || !sameRect(a.texts[i].rect, b.texts[i].rect) ||
            a.texts[i].points != b.texts[i].points || a.texts[i].colour != b.texts[i].colour)
            return false;
    return true;
}

// Times making, loading, showing and painting a screen, then unloads it.
template <class T> qint64 openOnce(const QString& name, const std::function<T*()>& make) {
    QElapsedTimer clock;
    clock.start();
    T& screen = platform::touch<T>(name, make);
    screen.showScreen();
    platform::AppWindow::instance().repaint();
    const qint64 ns = clock.nsecsElapsed();
    screen.unload();
    settle();
    return ns;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    platform::registerFonts();
    Silent silent;
    platform::setSoundPlayer(&silent);

    const QString timeline = QStringLiteral("activities\\life order.json");
    // Both ways must build the same screens.
    const topics::TopicRead topicRead = topics::loadTopicInfo(QStringLiteral("Life on Earth"));
    const activities::ActivityRead activityRead = activities::loadActivityLayout(timeline);
    if (!topicRead.info || !activityRead.layout) {
        std::fprintf(stderr, "%s%s\n", qPrintable(topicRead.problem),
                     qPrintable(activityRead.problem));
        return 1;
    }
    if (!sameLayout(*activityRead.layout, compiledTimeline()) ||
        topicRead.info->picture != compiledTopic().picture ||
        topicRead.info->pictureLeft != compiledTopic().pictureLeft) {
        std::fprintf(stderr, "the files do not hold what the tables hold\n");
        return 1;
    }

    std::vector<qint64> readTopic, readActivity, topicFile, topicTable, activityFile, activityTable;
    QElapsedTimer clock;
    for (int run = 0; run < runs + 1; ++run) { // the first run warms the caches up
        clock.start();
        topics::loadTopicInfo(QStringLiteral("Life on Earth"));
        const qint64 topicRead = clock.nsecsElapsed();
        clock.start();
        activities::loadActivityLayout(timeline);
        const qint64 activityRead = clock.nsecsElapsed();

        const auto fromFile = [] { return topics::topicScreen(QStringLiteral("Life on Earth")); };
        const auto fromTable = [] { return new topics::TopicScreen(compiledTopic()); };
        const auto activityFromFile = [&timeline] { return activities::activityScreen(timeline); };
        const auto activityFromTable = [] {
            return new activities::ActivityScreen(compiledTimeline());
        };
        // The file way reads the file inside the timing, as the menu does.
        const auto openTopicFile = [&] {
            QElapsedTimer c;
            c.start();
            topics::TopicScreen* screen = fromFile();
            screen->showScreen();
            platform::AppWindow::instance().repaint();
            const qint64 ns = c.nsecsElapsed();
            screen->unload();
            settle();
            return ns;
        };
        const auto openActivityFile = [&] {
            QElapsedTimer c;
            c.start();
            activities::ActivityScreen* screen = activityFromFile();
            screen->showScreen();
            platform::AppWindow::instance().repaint();
            const qint64 ns = c.nsecsElapsed();
            screen->unload();
            settle();
            return ns;
        };
        qint64 tf, tt, af, at;
        if (run % 2 == 0) {
            tf = openTopicFile();
            tt = openOnce<topics::TopicScreen>(QStringLiteral("lifeScreen"), fromTable);
            af = openActivityFile();
            at = openOnce<activities::ActivityScreen>(QStringLiteral("lifeTimelineScreen"),
                                                      activityFromTable);
        } else {
            tt = openOnce<topics::TopicScreen>(QStringLiteral("lifeScreen"), fromTable);
            tf = openTopicFile();
            at = openOnce<activities::ActivityScreen>(QStringLiteral("lifeTimelineScreen"),
                                                      activityFromTable);
            af = openActivityFile();
        }
        if (run == 0)
            continue;
        readTopic.push_back(topicRead);
        readActivity.push_back(activityRead);
        topicFile.push_back(tf);
        topicTable.push_back(tt);
        activityFile.push_back(af);
        activityTable.push_back(at);
    }
    std::printf("runs: %d\n", runs);
    std::printf("read topic file:                   median %.3f ms\n", medianMs(readTopic));
    std::printf("read activity file:                median %.3f ms\n", medianMs(readActivity));
    std::printf("open topic screen, from its file:  median %.2f ms\n", medianMs(topicFile));
    std::printf("open topic screen, compiled table: median %.2f ms\n", medianMs(topicTable));
    std::printf("open activity, from its file:      median %.2f ms\n", medianMs(activityFile));
    std::printf("open activity, compiled table:     median %.2f ms\n", medianMs(activityTable));
    platform::ScreenRegistry::instance().unloadAll();
    settle();
    return 0;
}
