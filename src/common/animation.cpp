// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/animation.h"

namespace common {
namespace {
// The stem gets a "0" before one-digit numbers, so every name has two digits.
QString twoDigitName(const QString& stem, int frame, const char* extension) {
    const QString number = QString::number(frame);
    return (frame < 10 ? stem + '0' : stem) + number + QLatin1String(extension);
}
} // namespace

QString earthRiseFrameFile(int frame) {
    return twoDigitName(QStringLiteral("earthrisesm\\earthr"), frame, ".jpg");
}

QString moonPhaseFrameFile(int frame) {
    return twoDigitName(QStringLiteral("phasesm\\moonph"), frame, ".jpg");
}

QString logoFrameFile(int frame) {
    return twoDigitName(QStringLiteral("logo\\quil00"), frame, ".gif");
}

} // namespace common
