// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program window: one desktop window of the common size in which the
// full-size screens stack.

#include <QWidget>
#include <functional>

namespace platform {

class Screen;

class AppWindow : public QWidget {
    Q_OBJECT
public:
    static AppWindow& instance();
    // The window if it has been made, without making it.
    static AppWindow* existing();
    // Destroys the window with every screen in it; for the end of the program.
    static void destroy();

    QWidget* host() { return this; }
    // Brings the window forward with `screen` on top.
    void showFront(Screen* screen);
    // Called when a full-size screen is hidden or unloaded.
    void screenHidden(Screen* screen);
    // The full-size screen in front, if any.
    Screen* frontScreen() const;

    // Places the window so that its outer frame starts at left, top (twips).
    void moveOuterTwips(double left, double top);

    // What the window manager's close button does: the program decides
    // (it asks first); without a handler the window stays.
    static void setCloseRequestHandler(std::function<void()> handler);
    static void requestClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppWindow();
    // Draws only the front screen; the ones it covers are hidden until it goes.
    void restack();
};

} // namespace platform
