// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frame counters and frame file names of the program's animations.

#include <QString>

namespace common {

// Advances a frame counter, wrapping to 0 after `frames` - 1.
inline int nextFrame(int frame, int frames) {
    return frame + 1 >= frames ? 0 : frame + 1;
}

// "earthrisesm\earthr00.jpg" .. "earthrisesm\earthr99.jpg"
QString earthRiseFrameFile(int frame);
// "phasesm\moonph00.jpg" .. "phasesm\moonph27.jpg"
QString moonPhaseFrameFile(int frame);
// "logo\quil0000.gif" .. "logo\quil0019.gif"
QString logoFrameFile(int frame);

} // namespace common
