#pragma once
// The menus that choose the language and the units: each lists "follow the system" and the
// choices, marks the one the settings hold, and writes a new choice to the settings, saying that
// it takes effect at the next start (the windows' texts are built once, when they open).

#include <QMenu>

namespace lumetra {

class WindowSettings;

// Adds "Language" and "Units" submenus to `menu`. The settings outlive the menu.
void AddLanguageMenus(QMenu& menu, WindowSettings& settings);

} // namespace lumetra
