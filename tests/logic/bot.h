// A bot for the tests of whole games: it plans one pipeline from the inlet through every valve (each entered and
// left through its own openings; a cell may carry two routes as a cross or a double elbow), lays it with
// Main::LayPiece (no offer, no chance drawn) and lets virtual time pass until the level ends. Its choices depend on
// the board alone.
#pragma once

#include <functional>
#include <vector>

#include "harness.h"

namespace vr::test {

// Lays the pipeline of the level in play; a test failure where none is found.
void LayPipelineInPlace(Game& g);
// The same, then the water runs until it has passed every valve.
void WinLevelInPlay(Game& g);
// Lays the pipeline where one is found and lets the level run to its end: true when won (a new board, a story
// screen or the outro), false when a life was lost or nothing ran.
bool PlayLevel(Game& g);

struct DealShown {  // a board dealt, as the side panel showed it
    int level, lives, tokInterval;
};

struct PlayResult {
    std::vector<DealShown> deals;  // every board dealt, a replay after a lost life too
    std::vector<int> screens;      // story screens seen, by their Tag: 1..9, 101..701, 10 the outro
    int livesLost = 0;
    bool outro = false;  // closed with Okay; else the game was lost or stuck
};

// "Nová Hra" on the menu, then every level with PlayLevel; at a choice screen n (1, 3, 5 or 7) the story's action
// when takeAction(n), else the work; Okay on the others; until Okay on the outro or the last life lost.
PlayResult PlayGame(Game& g, const std::function<bool(int n)>& takeAction);

}  // namespace vr::test
