// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace platform {

// Message boxes in the program's voice; the default title is the product name.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void ok(const QString& text, const QString& title = QString()) = 0;
    // True for OK, false for Cancel.
    virtual bool okCancel(const QString& text, const QString& title = QString()) = 0;
};

} // namespace platform
