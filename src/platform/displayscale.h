// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fit to screen: Qt's own device-pixel scaling enlarges every window, its
// text, pictures and pages alike, while the program keeps working in the
// same device-independent pixels (and so the same twips). Pointer positions
// come back in those pixels too, so every click and drag lands where it does
// at normal size. Qt reads the factor when the application object is made,
// so it is chosen before that.

#include <QSizeF>
#include <QString>

namespace platform {

// The largest scale at which a window of `window` fits in `available` keeping
// its shape, rounded down to hundredths so the window never overhangs; 1 when
// either size is empty.
double fittedScale(QSizeF available, QSizeF window);

// The scale --fit uses: the fitted scale, but never below 1, because the
// toolkit clips texts and buttons at any smaller scale. When it refuses to
// shrink, `refusal` gets one line saying why (otherwise it is emptied).
double scaleForFit(QSizeF available, QSizeF window, QString* refusal);

// The scale --fit uses for the program window on the primary display's free
// area (without panels), read through a short-lived application object. No
// application object may exist yet; argv is left as it was. Says once on
// standard error when the display is too small to scale at all.
double measureFittedScale(int argc, char** argv);

// Makes Qt scale every window by `scale`, on top of a factor that the
// environment (QT_SCALE_FACTOR) already asks for. Before the application
// object exists.
void scaleEveryWindow(double scale);

} // namespace platform
