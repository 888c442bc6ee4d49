// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtmessages.h"

#include "platform/messagedialog.h"

#include <QApplication>

namespace platform {
namespace {
// Every box carries a title that says whose it is; a blank one would leave
// window lists and screen readers with nothing to name it by.
QString titleOr(const QString& title) {
    return title.trimmed().isEmpty() ? QStringLiteral("Corvella") : title;
}
} // namespace

void QtMessages::ok(const QString& text, const QString& title) {
    MessageDialog box(titleOr(title), text, MessageDialog::Buttons::Ok,
                      QApplication::activeWindow());
    box.exec();
}

bool QtMessages::okCancel(const QString& text, const QString& title) {
    MessageDialog box(titleOr(title), text, MessageDialog::Buttons::OkCancel,
                      QApplication::activeWindow());
    return box.exec() == QDialog::Accepted;
}

bool QtMessages::ask(const QString& text, const QString& accept, const QString& reject,
                     const QString& title) {
    MessageDialog box(titleOr(title), text, MessageDialog::Buttons::OkCancel,
                      QApplication::activeWindow());
    box.setChoices(accept, reject);
    return box.exec() == QDialog::Accepted;
}

} // namespace platform
