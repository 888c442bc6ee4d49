// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/menuitems.h"

#include <QString>

namespace shell {

// The action of a main menu item: opens the screen it names.
void runMenuItem(MenuItem item);

// The kind message for a topic of the theme that has no content here.
QString noContentMessage(const QString& topic);

} // namespace shell
