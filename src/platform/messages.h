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
    // A question with two answers named by their captions: true for `accept`,
    // false for `reject`, which is the default (Enter and Escape choose it).
    // Without a box of its own, OK and Cancel stand for them.
    virtual bool ask(const QString& text, const QString& accept, const QString& reject,
                     const QString& title = QString()) {
        Q_UNUSED(accept);
        Q_UNUSED(reject);
        return okCancel(text, title);
    }
};

} // namespace platform
