// The story: the nine intermezzo screens every ten levels, the four choices and what they change, the outro after
// level 100; and whole games from "Nová Hra" to the outro, every way of answering the choices.
#include <malloc.h>

#include "harness.h"
#include "invariants.h"

namespace vr::test {
namespace {

// A level has started: its board and count, no story text.
void ExpectLevelStarted(Game& g, const std::string& actions, int level, const std::string& lives) {
    Play(g, actions, "", nullptr,
         "level " + std::to_string(level) + ", " + lives + ", count " + std::to_string(4 * level + 16));
    const auto& s = g.main->state();
    EXPECT_EQ(Clickable(g), "pole*" + std::to_string(s.boardSize * s.boardSize - 1 - s.valveCount) + " nabidka*4 menu");
    EXPECT_TRUE(VisibleTexts(g).empty());
}

// Each story screen: its heading, text and buttons, nothing running behind it; going on with the work (inter2) or
// Okay closes it at once. The story's action (inter1) shows its follow-up text until Okay; what it then changes (the
// level, the lives or the water's pace) the hundred whole games below hold, deal by deal.
TEST(StoryScreen, ShowsItsHeadingTextAndButtonsThenStartsTheLevel) {
    struct Intermezzo {
        int n;
        const char* heading;
        const char *first = nullptr, *second = nullptr;  // the action and the work; none on a plain screen
    };
    for (const Intermezzo& s : {Intermezzo{1, "Intermezzo #1 aneb HUV", "Zavřít vodu", "Dál stavět"},
                                {2, "Intermezzo #2 aneb Zabavklub"},
                                {3, "Intermezzo #3 aneb Óbože", "Modlit se", "Dál stavět"},
                                {4, "Intermezzo #4 aneb Krize"},
                                {5, "Intermezzo #5 aneb Ňamka", "Napít se", "Dál stavět"},
                                {6, "Intermezzo #6 aneb Rybka"},
                                {7, "Intermezzo #7 aneb Opraváři", "Hledat budku", "Neztrácet čas"},
                                {8, "Intermezzo #8 aneb Babička"},
                                {9, "Intermezzo #9 aneb Finiš"}}) {
        SCOPED_TRACE(s.n);
        const int next = 10 * s.n + (s.n == 8);  // grandmother skips level 80
        auto g = Won(10 * s.n - 1, {next, next});
        const std::string tag = std::to_string(s.n);
        // Nothing runs behind it; the side panel is written by the next deal only.
        Play(*g, "+60000", "interfrm", s.first ? "inter1 inter2" : "interok",
             "level " + std::to_string(10 * s.n - 1) + ", 5 Životů");
        EXPECT_EQ(g->w("nadpis", 5).caption, s.heading);
        EXPECT_EQ(VisibleTexts(*g), std::vector<int>{s.n});
        if (s.first) {
            EXPECT_EQ(
                std::tuple(g->w("inter1").caption, g->w("inter2").caption, g->w("inter1").tag, g->w("inter2").tag),
                std::tuple(s.first, s.second, tag, tag));
        } else {
            EXPECT_EQ(std::tuple(g->w("interok").caption, g->w("interok").tag), std::tuple("Okay", tag));
        }
        ExpectLevelStarted(*g, s.first ? "inter2" : "interok", next, "6 Životů");
        EXPECT_EQ(g->w("nadpis", 5).caption, s.heading);  // kept until the next screen
        RunCountdown(*g);                                 // a spill right after it: no screen, no life
        Play(*g, "+4000", "", nullptr,
             "level " + std::to_string(next) + ", 5 Životů, count " + std::to_string(4 * next + 16));
        if (!s.first) continue;

        g = Won(10 * s.n - 1);
        Play(*g, "inter1 !inter1", "interfrm", "interok");
        EXPECT_EQ(VisibleTexts(*g), std::vector<int>{100 * s.n + 1});
        EXPECT_EQ(std::tuple(g->w("interok").tag, g->w("nadpis", 5).caption),
                  std::tuple(std::to_string(100 * s.n + 1), s.heading));
    }
}

TEST(Outro, Level100StartsWithoutAScreenAndTheOutroFollowsIt) {
    auto g = Won(99, {100});
    ExpectLevelStarted(*g, "", 100, "6 Životů");
    EXPECT_EQ(g->w("nadpis", 5).caption, "Intermezzo #X");  // no screen was ever set up
    LayEasyPipe(*g);
    EXPECT_TRUE(RunLevel(*g));
    Play(*g, "", "interfrm", "interok", "level 100, 6 Životů");  // no life for the end
    EXPECT_EQ(g->w("nadpis", 5).caption, "Outro aneb Výborná kachna");
    EXPECT_EQ(VisibleTexts(*g), std::vector<int>{10});
    EXPECT_EQ(std::tuple(g->w("interok").caption, g->w("interok").tag), std::tuple("Okay", "10"));
    // Nothing is dealt, not even once the outro is closed: the game is over.
    const auto board = Board(*g);
    Play(*g, "+60000 interok +60000", "menufrm", kMenu, "level 100, 6 Životů");
    EXPECT_EQ(Board(*g), board);
    EXPECT_EQ(g->w("nadpis", 5).caption, "Outro aneb Výborná kachna");
}

// Which of the choice screens 1, 3, 5 and 7 the player takes the action on: bits 0..3 of a mask.
bool Takes(int mask, int n) { return n % 2 == 1 && n < 9 && ((mask >> (n / 2)) & 1) != 0; }

// The levels a whole game plays, in order.
std::vector<int> ExpectedLevels(int mask) {
    std::vector<int> out;
    auto add = [&out](int from, int to) {
        for (int l = from; l <= to; ++l) out.push_back(l);
    };
    add(1, 9);
    if (Takes(mask, 1)) add(7, 9);  // back to level 7; level 10 then follows with no screen
    add(10, 69);
    if (!Takes(mask, 7)) add(70, 77);  // the repairmen skip these
    add(78, 79);
    add(81, 100);  // grandmother sits on level 80
    return out;
}

struct DealShown {  // a board dealt, as the side panel showed it
    int level, lives, tokInterval;
};

// A whole game from "Nová Hra" on easy boards, the water let spill once on each level of `spills` and every other
// level won; at a choice screen n the story's action when Takes(mask, n), else the work; Okay on the others; until
// Okay on the outro. The deals it saw, and the story screens by their Tag: 1..9, 101..701, 10 the outro.
std::pair<std::vector<DealShown>, std::vector<int>> PlayGame(Game& g, int mask, std::vector<int> spills) {
    std::vector<DealShown> deals;
    std::vector<int> screens;
    const std::vector<int> levels = ExpectedLevels(mask);
    auto next = levels.begin();
    ScriptEasyDeal(g, *next++);
    if (!g.click("novahra")) return {};
    for (int guard = 0; guard < 500 && !g.w("menufrm").visible; ++guard) {
        ExpectInStep(g);  // on every board dealt and every story screen
        if (g.w("interfrm").visible) {
            const bool choice = g.w("inter1").visible;
            const int n = std::stoi(g.w(choice ? "inter1" : "interok").tag);
            screens.push_back(n);
            g.click(!choice ? "interok" : Takes(mask, n) ? "inter1" : "inter2");
            continue;
        }
        const int level = std::stoi(g.w("levnum").caption);
        deals.push_back({level, std::stoi(g.w("lzivotu").caption), g.w("tok").interval});
        const auto spill = std::find(spills.begin(), spills.end(), level);
        const bool win = spill == spills.end();
        if (win) {
            if (next != levels.end()) ScriptEasyDeal(g, *next++);
            LayEasyPipe(g);
        } else {
            ScriptEasyDeal(g, level);  // dealt again
            spills.erase(spill);
        }
        EXPECT_EQ(RunLevel(g), win) << "level " << level;
    }
    EXPECT_EQ(g.script().left(), 0u);
    return {deals, screens};
}

// Sixteen whole games in one window, as a player who never closes the game: game k answers the choices by the bits
// of k and lets the water spill once on the levels it plays 6k-th and (90 - 5k)-th, counted from 0. Nothing may pile
// up.
TEST(WholeGames, EveryWayOfAnsweringTheChoicesFromTheFirstLevelToTheOutro) {
    Game g;
    std::size_t widgets = 0, heapAfterFirst = 0, heapMost = 0;  // heap 0: the allocator cannot say (sanitizers)
    for (int mask = 0; mask < 16; ++mask) {
        SCOPED_TRACE("game " + std::to_string(mask));
        const std::vector<int> played = ExpectedLevels(mask);
        const auto [deals, shown] = PlayGame(g, mask, {played[6 * mask], played[90 - 5 * mask]});
        std::vector<int> levels;  // in order, a replay not repeated
        for (const DealShown& d : deals) {
            if (levels.empty() || levels.back() != d.level) levels.push_back(d.level);
        }
        EXPECT_EQ(levels, played);
        std::vector<int> screens;
        for (int n = 1; n <= 10; ++n) {
            screens.push_back(n);
            if (Takes(mask, n)) screens.push_back(100 * n + 1);
        }
        EXPECT_EQ(shown, screens);
        // Lives: 5 at the start; one lost with each replay of a level; one more for every multiple of ten reached
        // by winning (again after the way back to level 7); five for the energy drink. The water's pace: 3000 ms
        // from level 30 on after the prayer, else 2000.
        int lives = 5, replays = 0;
        for (std::size_t d = 0; d < deals.size(); ++d) {
            const DealShown& deal = deals[d];
            const int reached = d > 0 ? deals[d - 1].level + 1 : 1;
            if (deal.level == reached - 1) {
                --lives;
                ++replays;
            } else {
                lives += (reached % 10 == 0) + (reached == 50 && Takes(mask, 5) ? 5 : 0);
            }
            const int pace = Takes(mask, 3) && deal.level >= 30 ? 3000 : 2000;
            ASSERT_EQ(std::tuple(deal.lives, deal.tokInterval), std::tuple(lives, pace))
                << "deal " << d << " of level " << deal.level;
        }
        EXPECT_EQ(replays, 2);
        EXPECT_EQ(g.main->state().lives, lives);  // the outro gives no life
        // The end: the menu over the last board, nothing to continue.
        Play(g, "", "menufrm", kMenu);
        if (mask == 0) std::tie(widgets, heapAfterFirst) = std::tuple(g.model.size(), mallinfo2().uordblks);
        heapMost = std::max(heapMost, mallinfo2().uordblks);
        // The board of level 100 is the largest: its cells exist after the first game and are only reused from then
        // on.
        EXPECT_EQ(g.model.size(), widgets);
    }
    EXPECT_LE(heapMost, heapAfterFirst + heapAfterFirst / 20) << "the heap grows from game to game";
}

}  // namespace
}  // namespace vr::test
