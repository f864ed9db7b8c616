// The rules that hold between any two events of a game, whatever the player did: the board as data and the board on
// screen tell the same story, the water pictures lie exactly on the cells the water has passed, and the story
// screen shows one thing at a time.
//
// Usage, after any click or advance:
//     ExpectInStep(g);                      // a test failure naming the first broken rule
//     EXPECT_EQ(FirstViolation(g), "");     // the same, as text
#pragma once

#include <string>

#include "harness.h"

namespace vr::test {

// "" while every rule holds, else a description of the first broken one.
//
// Board rules (once a game has been dealt, for the N x N board being played):
// - Tag "x" exactly on held cells (inlet, valves, laid pieces), held cells disabled;
//   while play goes on (no menu, no story screen) every other cell enabled;
// - cells(x, y) is pole((y - 1) x N + x - 1), at its place and size;
// - each cell shows the picture its record and the water call for: nothing on an
//   empty cell, the dry picture on a cell the water has not left yet, the water
//   picture (half or full for the two-channel pieces) on a cell it has passed;
//   the water's path is followed through the records from the inlet to the
//   current flow position, so a flow position that the pipes do not lead to is
//   broken too;
// - each offer image shows the piece of its slot, and only the selected slot is framed.
// Bounds, timer and screen rules (always):
// - level <= 101, lives <= 21; no cell beyond the first N x N is visible
//   (N = 0 before the first deal);
// - at most one of tok and countdowntimer runs, and one of them does while a
//   level is played (no menu, no story screen); the countdown label is shown
//   only while a countdown runs or waits paused; the pause mark "r" only on a
//   countdown that waits under the menu;
// - under the menu or a story screen the game's time stands still and no
//   offer or cell takes clicks;
// - while a level is played lives are left, and the side panel shows the
//   level and lives;
// - at most one story text is visible; inter1 and inter2 come together, and
//   never together with interok.
std::string FirstViolation(const Game& g);

// Adds a test failure with FirstViolation(g) when a rule is broken.
void ExpectInStep(const Game& g);

}  // namespace vr::test
