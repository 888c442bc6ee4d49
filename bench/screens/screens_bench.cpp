// SPDX-License-Identifier: GPL-3.0-or-later
// Screen benchmark: how long the screens take to open and change, painting
// included. Runs offscreen unless a display is given.
//
//   screens_bench [--page FILE.wmf] [--grab DIR] [runs]
//
// --page   a metafile to serve as every notes page (the content folder's own
//          pages are used when it has them)
// --grab   also saves a picture of each screen into DIR, for looking at

#include "common/sharedstate.h"
#include "platform/appwindow.h"
#include "platform/fonts.h"
#include "platform/mediapaths.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "questions/questionfile.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "shell/menuscreen.h"
#include "shell/titlescreen.h"
#include "topics/notesscreen.h"
#include "topics/topicscreen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Silent : platform::SoundPlayer {
    void play(const QString&) override {}
};

double medianMs(std::vector<qint64> ns) {
    std::sort(ns.begin(), ns.end());
    return ns.empty() ? 0 : ns[ns.size() / 2] / 1e6;
}

// Paints the program window now, as the next frame would.
void paintNow() {
    platform::AppWindow::instance().repaint();
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString grabDir;
void grab(const QString& name) {
    if (grabDir.isEmpty())
        return;
    QCoreApplication::processEvents();
    platform::AppWindow::instance().grab().save(grabDir + '/' + name + ".png");
}

// A copy of the content folder whose notes pages are `page`, when given.
QString prepareContent(const QString& page, QTemporaryDir& dir) {
    if (page.isEmpty())
        return platform::contentRoot();
    const QString root = dir.path();
    const QDir source(platform::contentRoot());
    for (const QString& sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir().mkpath(root + '/' + sub);
        for (const QString& f : QDir(source.filePath(sub)).entryList(QDir::Files))
            QFile::copy(source.filePath(sub + '/' + f), root + '/' + sub + '/' + f);
    }
    for (const char* folder : {"wmf", "wmf2"}) {
        QDir().mkpath(root + '/' + folder);
        for (const char* stem : {"key tidesa", "key tidesb", "key tidesc"})
            QFile::copy(page, root + '/' + folder + '/' + stem + ".wmf");
    }
    return root;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QString page;
    int runs = 30;
    const QStringList args = application.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--page" && i + 1 < args.size())
            page = args[++i];
        else if (args[i] == "--grab" && i + 1 < args.size())
            grabDir = args[++i];
        else
            runs = args[i].toInt();
    }
    platform::registerFonts();
    Silent silent;
    platform::setSoundPlayer(&silent);
    QTemporaryDir copy;
    platform::setContentRoot(prepareContent(page, copy));

    shell::menuScreen().showScreen();
    paintNow();
    grab("menu");
    if (!grabDir.isEmpty()) {
        shell::titleScreen().grab().save(grabDir + "/title.png");
        shell::titleScreen().unload();
        shell::menuScreen().onMenuItemClicked(shell::MenuItem::SunAndStars);
        grab("sun");
        topics::topicScreen(QStringLiteral("The Sun and other Stars"))
            ->onButtonClicked(topics::TopicButton::Exit);
        shell::menuScreen().onMenuItemClicked(shell::MenuItem::LifeOnEarth);
        grab("life");
        topics::topicScreen(QStringLiteral("Life on Earth"))
            ->onButtonClicked(topics::TopicButton::Exit);
        settle();
    }

    std::vector<qint64> openTopic, pageChange, loadFile, openQuiz;
    QElapsedTimer clock;
    for (int run = 0; run < runs; ++run) {
        // Opening a topic screen from the menu.
        clock.start();
        shell::menuScreen().onMenuItemClicked(shell::MenuItem::Tides);
        paintNow();
        openTopic.push_back(clock.nsecsElapsed());
        if (run == 0)
            grab("tides");

        // A page change on the notes screen.
        topics::topicScreen(QStringLiteral("The Tides"))
            ->onButtonClicked(topics::TopicButton::KeyFacts);
        paintNow();
        clock.start();
        topics::notesScreen().onButtonClicked(topics::PageButton::Next);
        paintNow();
        pageChange.push_back(clock.nsecsElapsed());
        if (run == 0)
            grab("notes");
        topics::notesScreen().onButtonClicked(topics::PageButton::Exit);
        settle();

        // Loading a question file.
        QFile file(platform::resolveContentPath("multiple\\The Tides.txt"));
        clock.start();
        file.open(QIODevice::ReadOnly);
        worksheets::loadQuestionSet(file);
        file.close();
        loadFile.push_back(clock.nsecsElapsed());

        // Opening the quiz from the topic screen, to the first painted question.
        clock.start();
        topics::topicScreen(QStringLiteral("The Tides"))
            ->onButtonClicked(topics::TopicButton::MultipleChoice);
        paintNow();
        openQuiz.push_back(clock.nsecsElapsed());
        if (run == 0) {
            grab("quiz");
            for (int q = 0; q < 10; ++q)
                quiz::quizScreen().onButtonClicked(quiz::QuizButton::NextQuestion);
            settle();
            paintNow();
            grab("results");
            quiz::resultsScreen().onButtonClicked(quiz::ResultsButton::FollowUp);
            grab("wrong");
            quiz::wrongAnswersScreen().onExitClicked();
        } else {
            quiz::quizScreen().onButtonClicked(quiz::QuizButton::Exit);
        }
        settle();
        topics::topicScreen(QStringLiteral("The Tides"))
            ->onButtonClicked(topics::TopicButton::Exit);
        settle();
    }
    std::printf("runs: %d\n", runs);
    std::printf("open topic screen:          median %.2f ms\n", medianMs(openTopic));
    std::printf("notes page change:          median %.2f ms\n", medianMs(pageChange));
    std::printf("load question file:         median %.3f ms\n", medianMs(loadFile));
    std::printf("open quiz to first paint:   median %.2f ms\n", medianMs(openQuiz));
    platform::ScreenRegistry::instance().unloadAll();
    settle();
    platform::setSoundPlayer(nullptr);
    return 0;
}
