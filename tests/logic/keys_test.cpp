// The game played from the keyboard alone: a key only moves the focus or becomes a click, so the screens and the
// rules are those of the mouse.
#include "harness.h"
#include "invariants.h"

namespace vr::test {
namespace {

// Each line: keys played, then the panels up and the focus ("[...]" while marked).
struct Step {
    const char* keys;
    const char* panels;
    const char* focus;
};

void Expect(Game& g, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        Play(g, s.keys, s.panels);
        EXPECT_EQ(Focus(g), s.focus) << s.keys;
    }
}

// From the start menu to a won level 1 and the next deal, a pause with the help read over it: Enter alone starts,
// the cursor starts above the inlet and stays on the board, 1 to 4 choose a piece, held keys press nothing twice.
TEST(Keys, PlayALevelPauseReadTheHelpAndGoOn) {
    Game g;
    ScriptDeal(g, 5, {{3, 3, 1}}, {2, 0, 1, 3});           // the valve (3, 3) straight up, that piece in slot 3 only
    Expect(g, {{"<Esc> <1> <P>", "menufrm", "[novahra]"},  // nothing to continue, no offer, no board
               {"<Down> <Down> <Up> <Tab> <Tab> <Tab>", "menufrm", "[novahra]"},  // help, Quit, banner, round
               {"<Enter> <Enter~> <Space~>", "", "[pole(17)]"},                   // one deal only, the cursor on (3, 4)
               {"<Down> <Down> <Left> <Left> <Left>", "", "[pole(20)]"},          // over the held inlet to the corner
               {"<Up> <Right> <Right> <Tab> <Tab>", "", "[nabidka(2)]"},
               {"<BackTab> <BackTab> <BackTab>", "", "[menu]"},
               {"<Tab> <Enter>", "", "[pole(17)]"}});  // nothing chosen: the cell stays empty
    EXPECT_EQ(g.cellPicture(3, 4), "");
    g.script().push(DrawFor(1, 9));  // the refill of slot 3
    Expect(g, {{"<3> <3~> <Enter> <Enter~>", "", "[pole(17)]"}});
    EXPECT_EQ(g.cellPicture(3, 4), "trubka(1)");
    EXPECT_EQ(g.w("nabidka", 3).borderStyle, 0);
    Expect(g, {{"+5000 <Esc>", "menufrm", "[pokracovat]"},
               {"<Down> <Enter>", "napfrm menufrm", "[napok]"},
               {"<Tab> <Down> <Esc>", "menufrm", "[pokracovat]"},
               {"+30000 <Enter>", "", "[pole(17)]"}});
    EXPECT_EQ(SidePanel(g), "level 1, 5 Životů, count 15");
    ScriptDeal(g, 5, {{2, 2, 0}}, {0, 0, 0, 0});  // level 2
    Play(g, "+22500", "", "pole*23 nabidka*4 menu", "level 2, 5 Životů, count 24");
    EXPECT_EQ(Focus(g), "[pole(17)]");
}

// A story choice made with the arrows and Enter; the next board's cursor on the cell above its inlet.
TEST(Keys, ChooseOnAStoryScreenAndGoOnOnTheNextBoard) {
    const auto g = Won(9, {7});
    Expect(*g, {{"<Esc> <P> <1> <Enter~>", "interfrm", "[inter1]"},
                {"<Right> <Right> <Left> <Down> <Up>", "interfrm", "[inter1]"},
                {"<Enter>", "interfrm", "[interok]"}});
    EXPECT_EQ(VisibleTexts(*g), std::vector<int>{101});
    Expect(*g, {{"<Enter>", "", "[pole(26)]"}});  // level 7 again, 6 x 6: the inlet at the bottom of column 3
    EXPECT_EQ(SidePanel(*g).substr(0, 8), "level 7,");
    // A deal from the mouse puts the cursor there unmarked; the first key only shows it.
    ScriptEasyDeal(*g, 100);
    g->main->EnterLevel(100, 1);
    g->model.setFocusVisible(false);
    Expect(*g, {{"", "", "pole(854)"}, {"<Right>", "", "[pole(854)]"}, {"<Down> <Down>", "", "[pole(884)]"}});
}

}  // namespace
}  // namespace vr::test
