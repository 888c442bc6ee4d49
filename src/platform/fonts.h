// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Makes the fonts the screens name resolve to metric-compatible faces where
// the system lacks them: a Tahoma that fontconfig does not find on its own.
void registerFonts();

} // namespace platform
