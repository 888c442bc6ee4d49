// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look the screens share: colours, font families and the size of the
// text buttons along the screen edges.

#include <QColor>
#include <QString>

namespace common::style {

// The background of the full-size screens and of the menu's sound switch.
inline const QColor kScreenBlue(39, 55, 131);
// The background of a screen's main picture panel until its picture covers it.
inline const QColor kPanelBlue(49, 135, 214);
inline const QColor kYellow(255, 255, 0);

inline const QString kTahoma = QStringLiteral("Tahoma");
inline const QString kTimes = QStringLiteral("Times New Roman");
inline const QString kArial = QStringLiteral("Arial");

// Text buttons: height in twips and font size in points.
constexpr double kButtonHeight = 495;
constexpr double kButtonPoints = 15.75;

} // namespace common::style
