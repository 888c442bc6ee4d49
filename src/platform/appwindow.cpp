// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/appwindow.h"

#include "platform/screen.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>

namespace platform {
namespace {
QPointer<AppWindow>& theWindow() {
    static QPointer<AppWindow> w;
    return w;
}
std::function<void()>& closeRequestHandler() {
    static std::function<void()> handler;
    return handler;
}
} // namespace

AppWindow::AppWindow() {
    setFixedSize(clientSizePixels());
    setWindowTitle(QStringLiteral("Corvella"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

AppWindow& AppWindow::instance() {
    if (theWindow().isNull())
        theWindow() = new AppWindow();
    return *theWindow();
}

AppWindow* AppWindow::existing() {
    return theWindow().data();
}

void AppWindow::setCloseRequestHandler(std::function<void()> handler) {
    closeRequestHandler() = std::move(handler);
}

void AppWindow::requestClose() {
    if (closeRequestHandler())
        closeRequestHandler()();
}

void AppWindow::closeEvent(QCloseEvent* event) {
    // Closing never leaves the backdrop alone on the display: the window
    // stays until the program ends.
    event->ignore();
    requestClose();
}

void AppWindow::destroy() {
    delete theWindow().data();
}

void AppWindow::showFront(Screen* screen) {
    restack();
    if (!isVisible())
        show();
    // The offscreen platform (tests, benchmarks) has no window stacking.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
    screen->setFocus(Qt::OtherFocusReason);
}

void AppWindow::screenHidden(Screen*) {
    restack();
    if (Screen* front = frontScreen())
        front->setFocus(Qt::OtherFocusReason);
}

void AppWindow::restack() {
    Screen* front = frontScreen();
    for (QObject* child : children()) {
        auto* screen = qobject_cast<Screen*>(child);
        if (screen && screen != front && screen->isVisibleTo(this))
            screen->hide();
    }
    if (front && !front->isVisibleTo(this))
        front->show();
}

Screen* AppWindow::frontScreen() const {
    const QObjectList& kids = children();
    for (auto it = kids.crbegin(); it != kids.crend(); ++it) {
        auto* screen = qobject_cast<Screen*>(*it);
        if (screen && screen->isShown())
            return screen;
    }
    return nullptr;
}

void AppWindow::moveOuterTwips(double left, double top) {
    move(twipsToPixels(left), twipsToPixels(top));
}

} // namespace platform
