// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/displayscale.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <vector>

namespace platform {

double fittedScale(QSizeF available, QSizeF window) {
    if (available.isEmpty() || window.isEmpty())
        return 1.0;
    const double scale =
        std::min(available.width() / window.width(), available.height() / window.height());
    // The small allowance keeps 1.8 from becoming 1.79 through rounding of the quotient.
    return std::floor(scale * 100.0 + 1e-9) / 100.0;
}

double scaleForFit(QSizeF available, QSizeF window, QString* refusal) {
    refusal->clear();
    const double fitted = fittedScale(available, window);
    if (fitted >= 1.0)
        return fitted;
    *refusal = QStringLiteral("corvella: --fit: the free area of the display (%1 by %2 pixels) is "
                              "smaller than the window (%3 by %4), so the window keeps its own "
                              "size.")
                   .arg(available.width())
                   .arg(available.height())
                   .arg(window.width())
                   .arg(window.height());
    return 1.0;
}

double measureFittedScale(int argc, char** argv) {
    // The probe gets its own copy of the arguments: it removes the toolkit's
    // options (-platform ...) that the real application object must see too.
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int count = argc;
    QGuiApplication probe(count, arguments.data());
    const QScreen* display = QGuiApplication::primaryScreen();
    if (!display)
        return 1.0;
    const QSizeF window(twipsToPixels(kWindowWidthTwips), twipsToPixels(kWindowHeightTwips));
    QString refusal;
    const double scale = scaleForFit(display->availableGeometry().size(), window, &refusal);
    if (!refusal.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(refusal));
    return scale;
}

void scaleEveryWindow(double scale) {
    bool given = false;
    const double already = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
    const double factor = (given && already > 0 ? already : 1.0) * scale;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6));
}

} // namespace platform
