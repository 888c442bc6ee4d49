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
#include "platform/responsivewait.h"
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
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

struct HeldSave {
    double longestGapMs = 0; // the longest time without a timer tick
    double totalMs = 0;
    bool saved = false;
};

// Saves while another program holds the list's lock for `holdMs`, waiting as
// the wizard does.
HeldSave saveWhileHeld(const QString& folder, int holdMs) {
    int held = ::open(QFile::encodeName(folder + QStringLiteral("/track.lock")).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC, 0664);
    if (held < 0 || ::flock(held, LOCK_EX) != 0)
        std::exit(1);
    QTimer::singleShot(holdMs, [&held] {
        ::close(held);
        held = -1;
    });
    HeldSave result;
    QElapsedTimer sinceTick;
    const auto tick = [&] {
        result.longestGapMs = std::max(result.longestGapMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    };
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, tick);
    ticker.start();
    QElapsedTimer total;
    total.start();
    sinceTick.start();
    {
        platform::ResponsiveWait wait;
        result.saved =
            worksheets::saveWorksheet(folder, sampleSet(QStringLiteral("Held")), [&wait](int ms) {
                wait.pause(ms);
            }).saved;
    }
    tick(); // up to the save's return, after which the screen answers again
    result.totalMs = total.nsecsElapsed() / 1e6;
    if (held >= 0)
        ::close(held);
    QCoreApplication::sendPostedEvents();
    return result;
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

    list.remove(QStringLiteral("The last one")); // room for one more
    const int heldRuns = std::max(1, runs / 10);
    std::vector<double> gaps;
    double heldTotal = 0;
    for (int i = 0; i < heldRuns; ++i) {
        const HeldSave held = saveWhileHeld(folder, 1000);
        if (!held.saved)
            return 1;
        gaps.push_back(held.longestGapMs);
        heldTotal += held.totalMs / heldRuns;
        list.remove(QStringLiteral("Held"));
    }
    std::sort(gaps.begin(), gaps.end());
    const HeldSave givenUp = saveWhileHeld(folder, worksheets::kLockWaitMs + 1000);
    if (givenUp.saved)
        return 1;

    std::printf("list of %lld worksheets, %d runs, medians:\n",
                qlonglong(list.read().titles.size()), runs);
    std::printf("  opening the catalogue, painted                    %7.2f ms\n", openScreen);
    std::printf("  reading the list for the catalogue's first page  %7.2f ms\n", open);
    std::printf("  saving a new worksheet (list 999 -> 1000)          %7.2f ms\n", saveNew);
    std::printf("  saving a listed worksheet again                    %7.2f ms\n", saveListed);
    std::printf("saving while another program holds the list (%d runs):\n", heldRuns);
    std::printf("  held for 1 s: saved after %.0f ms on average; longest without a timer "
                "tick: median %.2f ms, worst %.2f ms\n",
                heldTotal, gaps[gaps.size() / 2], gaps.back());
    std::printf("  held for %d s: gave up after %.0f ms; longest without a timer tick %.2f ms\n",
                worksheets::kLockWaitMs / 1000 + 1, givenUp.totalMs, givenUp.longestGapMs);
    return 0;
}
