// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowstacking.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

namespace platform {
namespace {

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return found;
}

} // namespace

void keepBelowEverything(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    // The toolkit has no window type for this (its own "desktop" type is the
    // root window itself), so the property is set once the window exists;
    // the window manager reads it when the window is mapped.
    const auto id = xcb_window_t(window.winId());
    const xcb_atom_t type = atom(connection, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t desktop = atom(connection, "_NET_WM_WINDOW_TYPE_DESKTOP");
    if (type == XCB_ATOM_NONE || desktop == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, type, XCB_ATOM_ATOM, 32, 1,
                        &desktop);
    xcb_flush(connection);
}

void keepInFrontOf(QWidget& window, QWidget* owner) {
    window.winId(); // makes the native window, which holds the bond
    if (QWindow* handle = window.windowHandle()) {
        QWindow* ownerHandle = owner ? owner->windowHandle() : nullptr;
        handle->setTransientParent(ownerHandle);
    }
}

} // namespace platform
