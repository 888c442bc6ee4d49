// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/messages.h"

namespace platform {

class QtMessages : public Messages {
public:
    void ok(const QString& text, const QString& title) override;
    bool okCancel(const QString& text, const QString& title) override;
    bool ask(const QString& text, const QString& accept, const QString& reject,
             const QString& title) override;
};

} // namespace platform
