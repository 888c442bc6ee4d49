// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/responsivewait.h"

#include <QEventLoop>
#include <QTimer>

namespace platform {

void ResponsiveWait::pause(int ms) {
    if (!cursor_)
        cursor_.emplace();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace platform
