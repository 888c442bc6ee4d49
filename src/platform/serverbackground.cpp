// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/serverbackground.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace platform {
namespace {

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The pixel value of a colour on the usual 24-bit true-colour visual; 0 and
// false on any other visual, where the colour would come out wrong.
bool truePixel(xcb_connection_t* connection, const QColor& colour, uint32_t* pixel) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem;
             xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals)) {
                const xcb_visualtype_t* visual = visuals.data;
                if (visual->visual_id != screens.data->root_visual)
                    continue;
                if (visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR || visual->red_mask != 0xff0000 ||
                    visual->green_mask != 0xff00 || visual->blue_mask != 0xff)
                    return false;
                *pixel = uint32_t(colour.rgb() & 0xffffff);
                return true;
            }
        }
        break; // Qt puts its windows on the first screen's root visual
    }
    return false;
}

bool applyFill(QWidget& window, const QColor& colour) {
    xcb_connection_t* connection = x11Connection();
    uint32_t pixel = 0;
    if (!connection || !truePixel(connection, colour, &pixel))
        return false;
    const auto id = xcb_window_t(window.winId());
    xcb_change_window_attributes(connection, id, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(connection, 0, id, 0, 0, 0, 0);
    xcb_flush(connection);
    return true;
}

} // namespace

bool fillByServer(QWidget& window, const QColor& colour) {
    uint32_t pixel = 0;
    xcb_connection_t* connection = x11Connection();
    if (!connection || window.testAttribute(Qt::WA_WState_Created) ||
        !truePixel(connection, colour, &pixel))
        return false;
    // Painted "on screen", Qt keeps no image for the window: nothing is drawn
    // by the program, the server fills what becomes visible.
    window.setAttribute(Qt::WA_PaintOnScreen);
    return applyFill(window, colour);
}

void setServerFill(QWidget& window, const QColor& colour) {
    applyFill(window, colour);
}

} // namespace platform
