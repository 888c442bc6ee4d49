#pragma once
#include <QString>

namespace app {

// Plays a WAV file by its content path through the backdrop's sound player,
// only while the sound switch is on. Never waits.
void playSound(const QString& contentPath);

} // namespace app
