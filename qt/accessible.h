// What assistive technology (a screen reader, through AT-SPI) learns of the
// game's window: every widget the player can see, with its role, its name
// in words and its states, all read from the widget model; the board as a
// table of cells; and a press action on everything that takes clicks, which
// reaches the game exactly as the player's click does.
//
// Nothing here costs anything while no assistive technology runs: Qt asks
// the factory for an interface only when something reads the window, and
// the window announces its changes only while Qt's accessibility is active.
#pragma once

#include <vector>

#include "model/widget_model.h"

namespace vr::qt {

class GameWindow;

// Lets Qt make the window's accessible interfaces when it first needs them,
// and has every window announce its changes (below).
void InstallAccessibility();

// Tells assistive technology what the game has just changed and the window
// has shown: new names (captions, pictures), enabled and checked states, a
// board of another size. Showing and hiding Qt announces itself. Only while
// QAccessible::isActive().
void AnnounceChanges(GameWindow& window, const std::vector<WidgetModel::Change>& changes);

}  // namespace vr::qt
