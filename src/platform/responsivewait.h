// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/waitcursor.h"

#include <optional>

namespace platform {

// Waiting inside a handler while the program keeps painting and answering
// (timers, screen readers), with the hourglass from the first pause until
// the wait ends. The user's clicks and keys are held back until then.
class ResponsiveWait {
public:
    void pause(int ms);

private:
    std::optional<WaitCursor> cursor_;
};

} // namespace platform
