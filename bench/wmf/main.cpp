// SPDX-License-Identifier: GPL-3.0-or-later
// Plays each corpus file onto a screen-sized image many times and prints the
// median time per play. Not a test: the numbers depend on the machine.
//
// usage: bench_wmf [CORPUS_FOLDER] [--runs N]

#include "platform/wmf/wmfdocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int runs = 50;
    const int runsAt = int(args.indexOf(QStringLiteral("--runs")));
    if (runsAt >= 0 && runsAt + 1 < args.size()) {
        runs = std::max(1, args.at(runsAt + 1).toInt());
        args.remove(runsAt, 2);
    }
    const QDir dir(args.isEmpty() ? QStringLiteral(CORVELLA_WMF_CORPUS) : args.first());
    const QStringList files = dir.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "bench_wmf: no .wmf files in %s\n", qPrintable(dir.path()));
        return 1;
    }

    // A full-HD screen; each picture fitted into it keeping its aspect.
    QImage screen(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    std::printf("%-40s %8s %10s %10s\n", "file", "records", "median ms", "first ms");
    for (const QString& f : files) {
        const auto doc = wmf::Document::load(dir.filePath(f));
        if (!doc) {
            std::printf("%-40s not a metafile\n", qPrintable(f));
            continue;
        }
        const QSizeF size =
            doc->naturalSizeInches().scaled(QSizeF(screen.size()), Qt::KeepAspectRatio);
        const QRectF target(QPointF(0, 0), size);
        std::vector<double> times;
        for (int i = 0; i < runs + 1; ++i) {
            screen.fill(Qt::white);
            QElapsedTimer timer;
            timer.start();
            QPainter painter(&screen);
            doc->play(painter, target);
            painter.end();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        const double first = times.front(); // font lookups and caches warm up here
        times.erase(times.begin());
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        std::printf("%-40s %8d %10.2f %10.2f\n", qPrintable(f), doc->recordCount(),
                    times[times.size() / 2], first);
    }
    return 0;
}
