// SPDX-License-Identifier: GPL-3.0-or-later
// wmfrender IN.wmf OUT.png [--dpi N] [--background COLOR]: plays a metafile
// into a PNG at its natural size, for content authors and tests. White
// pictures show on another background (a name or #rrggbb, or "transparent").

#include "platform/wmf/wmfdocument.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cmath>
#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr, "usage: wmfrender IN.wmf OUT.png [--dpi N] [--background COLOR]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    double dpi = 96;
    const int dpiAt = int(args.indexOf(QStringLiteral("--dpi")));
    if (dpiAt >= 0) {
        bool ok = false;
        dpi = dpiAt + 1 < args.size() ? args.at(dpiAt + 1).toDouble(&ok) : 0;
        if (!ok || dpi <= 0 || dpi > 2400)
            return usage();
        args.remove(dpiAt, 2);
    }
    QColor background(Qt::white);
    const int backgroundAt = int(args.indexOf(QStringLiteral("--background")));
    if (backgroundAt >= 0) {
        if (backgroundAt + 1 >= args.size())
            return usage();
        background = QColor::fromString(args.at(backgroundAt + 1));
        if (!background.isValid())
            return usage();
        args.remove(backgroundAt, 2);
    }
    if (args.size() != 2)
        return usage();

    QString error;
    const auto doc = wmf::Document::load(args.at(0), &error);
    if (!doc) {
        std::fprintf(stderr, "wmfrender: %s: %s\n", qPrintable(args.at(0)), qPrintable(error));
        return 1;
    }
    if (!error.isEmpty())
        std::fprintf(stderr, "wmfrender: %s: damaged: %s\n", qPrintable(args.at(0)),
                     qPrintable(error));

    const QSizeF inches = doc->naturalSizeInches();
    const QSize pixels(std::max(1, int(std::lround(inches.width() * dpi))),
                       std::max(1, int(std::lround(inches.height() * dpi))));
    if (qint64(pixels.width()) * pixels.height() > 400LL * 1000 * 1000) {
        std::fprintf(stderr, "wmfrender: %dx%d pixels is too large\n", pixels.width(),
                     pixels.height());
        return 1;
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(background);
    QPainter painter(&image);
    wmf::PlayReport report;
    doc->play(painter, QRectF(QPointF(0, 0), QSizeF(pixels)), &report);
    painter.end();
    std::fprintf(stderr,
                 "%s: %.2fx%.2f in, %d records: %d played, %d ignored, %d malformed, "
                 "%d bad object indices, %d undecodable bitmaps\n",
                 qPrintable(args.at(0)), inches.width(), inches.height(), doc->recordCount(),
                 report.played, report.ignored, report.malformed, report.badObjectIndices,
                 report.unsupportedBitmaps);
    if (!image.save(args.at(1), "PNG")) {
        std::fprintf(stderr, "wmfrender: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
