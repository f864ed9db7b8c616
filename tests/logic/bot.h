// A bot that plays the game as a player would: it looks at the board and the
// offer on screen, clicks offer images and cells through the event driver (so
// only what the window lets a player click is clicked) and lets virtual time
// pass. It never touches the game state.
//
// How it plays a level: right after the deal it reads the inlet and the
// valves with their shapes, plans one pipeline from the inlet through every
// valve (each valve entered and left through its own openings; a cell may
// carry two routes as a cross or a double elbow), then lays it during the
// countdown. An offered piece that some cell of the pipeline needs is laid
// there; when none is needed, one is dropped on a cell off the pipeline to
// draw a new one. Then it waits until the level ends. Its own choices are
// reproducible: they depend on the board alone, never on the game's chance.
//
//     auto g = Game::Seeded(1);
//     PlayResult r = PlayGame(*g, AlwaysGoOn());
//     // r.LevelsPlayed(), r.deals, r.screens, r.livesLost, r.outro ...
#pragma once

#include <functional>
#include <vector>

#include "harness.h"

namespace vr::test {

// At a choice screen (intermezzo 1, 3, 5 or 7): true to take the story's
// action (inter1: "Zavřít vodu", "Modlit se", "Napít se", "Hledat budku"),
// false to go on working (inter2).
using ChoicePolicy = std::function<bool(int intermezzo)>;
ChoicePolicy AlwaysGoOn();
ChoicePolicy AlwaysTakeAction();

// One board dealt during a game, as the side panel showed it at the deal.
struct Deal {
    int level = 0;
    int lives = 0;
    int tokInterval = 0;  // ms per water step
};

struct PlayResult {
    std::vector<Deal> deals;  // every board dealt, in order; a replay after a lost life is a deal too
    std::vector<int> screens;  // every story screen seen, by its Tag: 1..9, 101/301/501/701, 10 = the outro
    int livesLost = 0;
    bool outro = false;     // the outro was shown and closed with Okay
    bool gameOver = false;  // the last life was lost

    // The levels in the order they were played, a replay after a lost life not repeated.
    std::vector<int> LevelsPlayed() const;
};

// Plays the level that has just been dealt (its countdown runs) until it ends:
// true when won (the level number moved on, perhaps to a story screen or the
// outro), false when a life was lost (a new board or the game-over menu is up).
bool PlayLevel(Game& g);

// Wins the level in play at once: the pipeline the bot plans is laid in place
// (Main::LayPiece, no piece taken from the offer, no chance drawn), then the
// water runs through every valve. A test fails where no pipeline is found.
void WinLevelInPlay(Game& g);
// The same pipeline laid in place, without waiting for the water.
void LayPipelineInPlace(Game& g);

// Clicks "Nová Hra" and plays the whole game: levels with PlayLevel, story
// screens per `choose` (then Okay on a follow-up text), until Okay on the
// outro or the last life lost.
PlayResult PlayGame(Game& g, const ChoicePolicy& choose);

// Statistics of the last PlayLevel, for measuring the bot itself.
struct BotStats {
    int routeCells = 0;  // cells of the planned pipeline
    int discards = 0;    // pieces dropped off the pipeline to draw new ones
    bool planned = false;  // a pipeline through every valve was found
    bool laid = false;     // and every cell of it was laid
};
const BotStats& LastLevelStats();

}  // namespace vr::test
