// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the worksheet tests.

#include <QFile>
#include <QStringList>

namespace sheettest {

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// "Sheet 1" to "Sheet <count>", or with another stem.
inline QStringList numbered(int count, const QString& stem = QStringLiteral("Sheet ")) {
    QStringList titles;
    for (int n = 1; n <= count; ++n)
        titles << stem + QString::number(n);
    return titles;
}

} // namespace sheettest
