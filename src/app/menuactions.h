#pragma once

#include <QString>

namespace app {

// The action of the main menu's item `index`: opens the screen it names.
void runMenuItem(int index);

// The kind message for a topic of the theme that has no content here.
QString noContentMessage(const QString& topic);

} // namespace app
