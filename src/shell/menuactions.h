// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/menuitems.h"

#include <QString>

namespace shell {

// The action of a main menu item: opens the screen it names.
void runMenuItem(MenuItem item);

// What the menu says when a topic's file is missing from the content folder.
QString missingTopicMessage(const QString& topic);

} // namespace shell
