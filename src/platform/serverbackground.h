// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

namespace platform {

// On X11 the display server can fill a window with a plain colour by itself.
// A full-display window filled that way needs no client-side image (about
// 5 MB at 1280 by 1024) and no painting before the windows in front of it
// appear. Must be called before the window is created; returns false (and
// changes nothing) where the server cannot do it, e.g. offscreen or on an
// unusual visual. The widget must then not paint itself.
bool fillByServer(QWidget& window, const QColor& colour);

// Changes the colour of a window that fillByServer() accepted.
void setServerFill(QWidget& window, const QColor& colour);

} // namespace platform
