// SPDX-License-Identifier: GPL-3.0-or-later
// Drag benchmark: one pointer move over a dragged label, from the event to
// the repainted frame, and one drop with its snap, count and repaint, on the
// timeline activity. Runs offscreen unless a display is given.
//
//   drag_bench [runs]

#include "activities/activityscreen.h"
#include "common/sharedstate.h"
#include "platform/appwindow.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "platform/twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Silent : platform::SoundPlayer {
    void play(const QString&) override {}
};

// Counts the label's paints, so a run ends only once its frame is drawn.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

double medianMs(std::vector<qint64> ns) {
    std::sort(ns.begin(), ns.end());
    return ns.empty() ? 0 : double(ns[ns.size() / 2]) / 1e6;
}

void send(QWidget* label, QEvent::Type type, QPointF pixels, Qt::MouseButtons held) {
    const QPointF local = label->mapFromParent(pixels);
    QMouseEvent event(type, local, label->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(label, &event);
}

// Lets the window paint what changed; returns once the label was drawn.
void paintFrame(const PaintCounter& counter, int before) {
    for (int i = 0; i < 1000 && counter.paints == before; ++i)
        QCoreApplication::processEvents();
}

QPointF centrePixels(const activities::TwipRect& r) {
    return {(r.left + r.width / 2) / platform::kTwipsPerPixel,
            (r.top + r.height / 2) / platform::kTwipsPerPixel};
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 500;
    platform::registerFonts();
    Silent silent;
    platform::setSoundPlayer(&silent);
    common::state().soundOn = true;

    activities::ActivityScreen& screen =
        *activities::activityScreen(QStringLiteral("activities\\life order.json"));
    screen.showScreen();
    platform::AppWindow::instance().repaint();

    const int label = 0;
    QWidget* widget = screen.dragLabels[label];
    PaintCounter counter;
    widget->installEventFilter(&counter);
    const activities::TwipRect box = screen.board().box(label);
    const QPointF home = centrePixels(screen.board().label(label));
    const QPointF target = centrePixels(box);

    std::vector<qint64> moves, drops;
    QElapsedTimer clock;
    for (int run = 0; run < runs; ++run) {
        send(widget, QEvent::MouseButtonPress, home, Qt::LeftButton);
        // The label follows the pointer from its place to the box.
        for (int step = 1; step <= 8; ++step) {
            const QPointF at = home + (target - home) * (step / 8.0);
            const int before = counter.paints;
            clock.start();
            send(widget, QEvent::MouseMove, at, Qt::LeftButton);
            paintFrame(counter, before);
            moves.push_back(clock.nsecsElapsed());
        }
        const int before = counter.paints;
        clock.start();
        send(widget, QEvent::MouseButtonRelease, target, Qt::NoButton);
        paintFrame(counter, before);
        drops.push_back(clock.nsecsElapsed());
        if (screen.board().label(label).left != box.left)
            std::fprintf(stderr, "the label did not snap into its box\n");

        // Back to its place for the next run (not measured).
        send(widget, QEvent::MouseButtonPress, target, Qt::LeftButton);
        send(widget, QEvent::MouseMove, home, Qt::LeftButton);
        send(widget, QEvent::MouseButtonRelease, home, Qt::NoButton);
        QCoreApplication::processEvents();
    }
    std::printf("drag move, event to repainted frame: median %.3f ms (%zu moves)\n",
                medianMs(moves), moves.size());
    std::printf("drop with snap and count, to repainted frame: median %.3f ms (%zu drops)\n",
                medianMs(drops), drops.size());
    platform::setSoundPlayer(nullptr);
    return 0;
}
