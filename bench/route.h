// A long pipeline laid straight into a dealt board, for timing the water:
// from the inlet it snakes row by row up to the top edge, over every valve
// in its way, so the water flows for hundreds of ticks before it spills.
#pragma once

#include "game/main_form.h"
#include "model/event_driver.h"

namespace vr::bench {

// Deals `level`, lays the pipeline over it, as if the player had laid every
// piece of it, and runs out the countdown. Returns the number of cells laid.
int DealWithPipeline(Main& game, EventDriver& driver, int level);

// True while the next tick of the water moves it along the pipeline (the
// flow cell is on the board and holds a piece); false once it would spill.
bool WaterGoesOn(const Main& game);

}  // namespace vr::bench
