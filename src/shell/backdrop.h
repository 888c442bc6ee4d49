// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"

namespace shell {

// The backdrop: a borderless screen over the whole display, in one colour,
// behind the title screen.
class Backdrop : public platform::Screen {
    Q_OBJECT
public:
    Backdrop();

protected:
    void onLoad() override;
    // Closing the backdrop (a key of the window manager) asks as "Exit" does.
    void closeEvent(QCloseEvent* event) override;
};

Backdrop& backdrop();

} // namespace shell
