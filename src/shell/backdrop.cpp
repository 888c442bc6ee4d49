// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/backdrop.h"

#include "platform/screenregistry.h"

namespace shell {

namespace {
const QColor kBackdropBlue(48, 133, 214);
// The window title the backdrop has always carried; window lists show it.
const QString kWindowTitle = QStringLiteral("Form1");
} // namespace

Backdrop::Backdrop() : Screen(QStringLiteral("backdrop"), Kind::Backdrop) {
    setWindowTitle(kWindowTitle);
}

void Backdrop::onLoad() {
    setBackColor(kBackdropBlue);
}

Backdrop& backdrop() {
    return platform::touch<Backdrop>(QStringLiteral("backdrop"));
}

} // namespace shell
