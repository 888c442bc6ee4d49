// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/screenadaptation.h"

#include "common/style.h"

#include "platform/appwindow.h"
#include "platform/picturebox.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "platform/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace common {

QPointF centredOrigin(QSizeF displayTwips, QSizeF windowTwips) {
    const float left = float(displayTwips.width()) / 2.0f - float(windowTwips.width()) / 2.0f;
    const float top = float(displayTwips.height()) / 2.0f - float(windowTwips.height()) / 2.0f;
    return QPointF(left, top);
}

QSizeF displaySizeTwips() {
    const QScreen* display = QGuiApplication::primaryScreen();
    if (!display)
        return QSizeF();
    const QSize px = display->geometry().size();
    return QSizeF(platform::pixelsToTwips(px.width()), platform::pixelsToTwips(px.height()));
}

void adaptScreen(platform::Screen& screen, platform::PictureBox* panel) {
    screen.setBackColor(style::kScreenBlue);
    screen.setCaption(QString::fromLatin1(kProductTitle));
    // From here on nothing is reported: a step that cannot be done is skipped.
    if (panel) {
        panel->setBackColor(style::kPanelBlue);
        panel->setOpaque(true);
    }
    const QSizeF display = displaySizeTwips();
    if (display.isEmpty())
        return;
    const platform::WaitCursor busy;
    const QPointF origin =
        centredOrigin(display, QSizeF(platform::kWindowWidthTwips, platform::kWindowHeightTwips));
    if (screen.kind() == platform::Screen::Kind::FullSize) {
        platform::AppWindow::instance().moveOuterTwips(origin.x(), origin.y());
    } else {
        screen.setFixedSize(platform::clientSizePixels());
        screen.move(platform::twipsToPixels(origin.x()), platform::twipsToPixels(origin.y()));
    }
}

} // namespace common
