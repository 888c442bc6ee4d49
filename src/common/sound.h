// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace common {

// Plays a WAV file by its content path through the program's sound player,
// only while the sound switch is on. Never waits.
void playSound(const QString& contentPath);

} // namespace common
