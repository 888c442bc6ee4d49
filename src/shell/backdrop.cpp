// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/backdrop.h"

#include "platform/screenregistry.h"
#include "shell/titlescreen.h"

#include <QCloseEvent>

namespace shell {

namespace {
const QColor kBackdropBlue(48, 133, 214);
// Window lists and screen readers name the backdrop after the program.
const QString kWindowTitle = QStringLiteral("Corvella");
} // namespace

Backdrop::Backdrop() : Screen(QStringLiteral("backdrop"), Kind::Backdrop) {
    setWindowTitle(kWindowTitle);
}

void Backdrop::onLoad() {
    setBackColor(kBackdropBlue);
}

void Backdrop::closeEvent(QCloseEvent* event) {
    event->ignore();
    showExitScreen();
}

Backdrop& backdrop() {
    return platform::touch<Backdrop>(QStringLiteral("backdrop"));
}

} // namespace shell
