#include "platform/qtmessages.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {
QString titleOr(const QString& title) {
    return title.isEmpty() ? QStringLiteral("Corvella") : title;
}
} // namespace

void QtMessages::ok(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOr(title), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtMessages::okCancel(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOr(title), text,
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

} // namespace platform
