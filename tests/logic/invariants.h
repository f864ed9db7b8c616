// The rules that hold between any two events of a game, whatever the player did: the board as data and the board on
// screen tell the same story (held cells, places, the water's pictures along its path from the inlet, the offer and
// its frame), the bounds of level and lives, at most one of the game's timers running and none under a panel, the
// keys' focus on what takes a click, and the story screen showing one thing at a time. Each rule is told by the
// text it returns when broken (invariants.cpp).
#pragma once

#include <string>

#include "harness.h"

namespace vr::test {

// "" while every rule holds, else a description of the first broken one.
std::string FirstViolation(const Game& g);

// Adds a test failure with FirstViolation(g) when a rule is broken.
void ExpectInStep(const Game& g);

}  // namespace vr::test
