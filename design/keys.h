// The window's screens as the keys see them: which widgets take the focus, in
// what order and groups, where it starts, and the keys that press a widget
// directly. The hidden targets on the menu's credit line are never among them.
#pragma once

#include "model/keys.h"

namespace vr {

// The screen that shows: the story, the help, the credits, the menu, or the
// board in play (the key plan BuildWindow gives the model).
void PlanKeys(const WidgetModel& model, KeyScreen& screen);

}  // namespace vr
