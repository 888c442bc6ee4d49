// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets benchmark: the teacher's two waits with a list of 1000
// worksheets, as medians over many runs:
//   - opening the catalogue: loading the screen (which reads the list and
//     fills its first page), showing and painting it; reading the list alone;
//   - saving one worksheet: its question file and the list, each written
//     beside the old one and synced to the disk.
//
//   worksheets_bench [FOLDER] [runs]
//
// FOLDER (default: a temporary folder) should lie on the disk that teachers
// use, since syncing to the disk is most of the save. Runs offscreen unless a
// display is given.

#include "common/sharedstate.h"
#include "platform/appwindow.h"
#include "platform/services.h"
#include "platform/soundplayer.h"
#include "worksheets/cataloguepaging.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetsaving.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& step,
                const std::function<void()>& after = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (after)
            after();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

common::QuestionSet sampleSet(const QString& title) {
    common::QuestionSet set;
    set.title = title;
    for (int n = 1; n <= 10; ++n) {
        set.questionText[n] = QStringLiteral("Which planet is number %1 from the Sun?").arg(n);
        set.optionA[n] = QStringLiteral("Mercury");
        set.optionB[n] = QStringLiteral("Venus");
        set.optionC[n] = QStringLiteral("Earth");
        set.optionD[n] = QStringLiteral("Mars");
        set.rightAnswer[n] = QString::number((n - 1) % 4 + 1);
    }
    return set;
}

// A failed save would time nothing worth knowing.
void save(const QString& folder, const QString& title) {
    const worksheets::SaveOutcome outcome = worksheets::saveWorksheet(folder, sampleSet(title));
    if (!outcome.saved) {
        std::fprintf(stderr, "saving failed: %s\n", qPrintable(outcome.reason));
        std::exit(1);
    }
}

struct Silent : platform::SoundPlayer {
    void play(const QString&) override {}
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Silent silent;
    platform::setSoundPlayer(&silent);
    QTemporaryDir temporary;
    const QString folder =
        argc > 1 && argv[1][0] ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const int runs = argc > 2 ? std::atoi(argv[2]) : 51;

    QStringList titles;
    for (int n = 1; n < worksheets::kMaxWorksheets; ++n)
        titles << QStringLiteral("Worksheet number %1").arg(n);
    worksheets::WorksheetList list(folder);
    QFile file(list.path());
    if (!file.open(QIODevice::WriteOnly) || file.write(worksheets::worksheetListBytes(titles)) < 0)
        return 1;
    file.close();
    list.add(QStringLiteral("The last one"));

    qputenv("CORVELLA_WORKSHEETS", QFile::encodeName(folder));
    const double openScreen = medianMs(
        runs,
        [] {
            worksheets::catalogueScreen().showScreen();
            platform::AppWindow::instance().repaint();
        },
        [] {
            worksheets::catalogueScreen().unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });

    const double open = medianMs(runs, [&] {
        const worksheets::WorksheetTitles read = list.read();
        const worksheets::CataloguePage page =
            worksheets::cataloguePage(0, int(read.titles.size()));
        if (page.last != worksheets::kTitlesPerPage)
            std::abort();
    });

    // The list is full, so the new title takes the last one's place each run.
    list.remove(QStringLiteral("The last one"));
    const double saveNew = medianMs(
        runs, [&] { save(folder, QStringLiteral("The last one")); },
        [&] { list.remove(QStringLiteral("The last one")); });
    list.add(QStringLiteral("The last one"));
    const double saveListed =
        medianMs(runs, [&] { save(folder, QStringLiteral("Worksheet number 500")); });

    std::printf("list of %lld worksheets, %d runs, medians:\n",
                qlonglong(list.read().titles.size()), runs);
    std::printf("  opening the catalogue, painted                    %7.2f ms\n", openScreen);
    std::printf("  reading the list for the catalogue's first page  %7.2f ms\n", open);
    std::printf("  saving a new worksheet (list 999 -> 1000)          %7.2f ms\n", saveNew);
    std::printf("  saving a listed worksheet again                    %7.2f ms\n", saveListed);
    return 0;
}
