// Long play: one window kept open for a hundred whole games, each with its own
// chance and its own answers to the story's choices, as a player who never
// closes the game. Nothing may pile up from game to game.
#include <gtest/gtest.h>

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <random>

#include "bot.h"
#include "invariants.h"

namespace vr::test {
namespace {

// Bytes the program holds on the heap now (0 where the allocator cannot say,
// as under the address sanitizer).
std::size_t HeapInUse() { return mallinfo2().uordblks; }

// A hundred games in four windows of 25 games each, so that two cores share them.
class LongPlay : public ::testing::TestWithParam<int> {};

TEST_P(LongPlay, TwentyFiveWholeGamesInOneWindow) {
    const int first = 25 * GetParam();
    auto g = Game::Seeded(0);
    std::mt19937 answers(20261207u + static_cast<std::uint32_t>(GetParam()));
    const auto started = std::chrono::steady_clock::now();
    std::size_t widgetsAfterFirst = 0, heapAfterFirst = 0, heapMost = 0;
    int outros = 0, lost = 0, levels = 0;
    for (int game = first; game < first + 25; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        g->random->seed(static_cast<std::uint32_t>(7000 + game));
        const unsigned mask = answers() % 16;
        const PlayResult r = PlayGame(*g, [mask](int n) { return ((mask >> (n / 2)) & 1u) != 0; });
        outros += r.outro;
        lost += r.gameOver;
        levels += static_cast<int>(r.deals.size());
        ASSERT_TRUE(r.outro || r.gameOver) << "the game ended neither way";
        ExpectInStep(*g);
        if (game == first) {
            widgetsAfterFirst = g->model.size();
            heapAfterFirst = HeapInUse();
        }
        heapMost = std::max(heapMost, HeapInUse());
        // The board of level 100 is the largest: its cells exist after the
        // first game and are only reused from then on.
        EXPECT_EQ(g->model.size(), widgetsAfterFirst);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("long play: games %d to %d, %d outros, %d lost, %d boards dealt, %zu widgets, heap %zu -> at most %zu bytes, %.1f s\n",
                first + 1, first + 25, outros, lost, levels, widgetsAfterFirst, heapAfterFirst, heapMost, seconds);
    EXPECT_GT(outros, 22);
    if (heapAfterFirst > 0) {
        EXPECT_LT(heapMost, heapAfterFirst + heapAfterFirst / 20) << "the heap grows from game to game";
    }
}

INSTANTIATE_TEST_SUITE_P(AHundredGames, LongPlay, ::testing::Range(0, 4));

}  // namespace
}  // namespace vr::test
