// The rules of the game, each named once: the size of a level's board, its
// valves and countdown, the pace of the water, the lives, and where the story
// ends. The window's design (the flow timer's first interval) and the game
// read these names; the benchmarks and the tools read them too, so a rule
// changed here changes everywhere at once.
#pragma once

#include <cstdint>

#include "model/widget_model.h"

namespace vr::rules {

// The water moves one cell a tick: every 2 s, every 3 s once the player has
// prayed on the third story screen.
inline constexpr int kFlowMs = 2000;
inline constexpr int kSlowFlowMs = 3000;

// The board: 5 x 5 on level 1, a side more every four levels, 30 x 30 on
// level 100. The inlet lies in the middle column of the bottom row.
constexpr int BoardSide(int level) { return level / 4 + 5; }
constexpr int InletColumn(int boardSize) { return (boardSize + 1) / 2; }

// Valves: one for every two levels begun, placed by random tries off the
// outer ring, each on one of the one-channel pieces (design/pieces.h); every
// try counts, free or not, and after 4 x level of them the level makes do
// with the valves it has.
constexpr int ValvesWanted(int level) { return (level + 1) / 2; }
constexpr int ValveTries(int level) { return 4 * level; }

// The countdown before the water is let out, in seconds: green, red from 5
// down to 0.
constexpr int CountdownSeconds(int level) { return 4 * level + 16; }
inline constexpr int kCountdownRedFrom = 5;
inline constexpr std::uint32_t kCountdownGreen = RGB(0, 192, 0);
inline constexpr std::uint32_t kCountdownRed = RGB(255, 0, 0);

// Lives: five at the start of a game, one won with every tenth level
// reached, where a story screen comes up.
inline constexpr int kStartingLives = 5;
constexpr bool WinsALife(int level) { return level % 10 == 0; }
constexpr int ScreenAfter(int level) { return level / 10; }

// Level 100 is the last; winning it shows the outro, story screen 10.
inline constexpr int kLastLevel = 100;
inline constexpr int kOutroScreen = 10;

}  // namespace vr::rules
