// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// Makes the fonts the screens name resolve to metric-compatible faces where
// the system lacks them: a Tahoma that fontconfig does not find on its own.
void registerFonts();

// The installed family to ask for when the screens name `family`: the family
// itself when it is installed, else its metric-compatible stand-in when that
// is ("Liberation Serif" for "Times New Roman", "Liberation Sans" for
// "Arial"), else `family` for fontconfig to substitute. Naming the stand-in
// directly spares the search through every font that a missing family costs
// on its first use, which start-up would otherwise wait for.
QString installedFamily(const QString& family);

} // namespace platform
