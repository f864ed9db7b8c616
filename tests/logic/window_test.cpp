// The window at start, the view operations and the event driver.
#include <gtest/gtest.h>

#include "harness.h"
#include "ui/bars.h"

namespace vr::test {
namespace {

TEST(WindowAtStart, OnlyTheMenuPanelIsUp) {
    Game g;
    for (const char* frame : {"napfrm", "interfrm", "dframe", "pleasewait", "pics"}) {
        EXPECT_FALSE(g.w(frame).visible) << frame;
    }
    EXPECT_TRUE(g.w("menufrm").visible);
    EXPECT_FALSE(g.w("pokracovat").enabled);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(g.w("nabidka", i).visible);
        EXPECT_FALSE(g.w("nabidka", i).enabled);
        EXPECT_EQ(g.w("nabidka", i).picture, kNoPicture);
        EXPECT_FALSE(g.click("nabidka", i));
    }
    EXPECT_EQ(g.model.memberCount("pole"), 1);
    EXPECT_FALSE(g.w("pole", 0).visible);
    EXPECT_FALSE(g.w("countdown").visible);
    EXPECT_EQ(g.w("levnum").caption, "0");
    EXPECT_EQ(g.w("lzivotu").caption, "5");
    EXPECT_EQ(g.w("Label2").caption, "Životů");
    EXPECT_EQ(g.w("text").caption, "");
}

TEST(WindowAtStart, TimersInTheirStartState) {
    Game g;
    EXPECT_TRUE(g.w("texttimer").enabled);
    EXPECT_EQ(g.w("texttimer").interval, 100);
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_EQ(g.w("tok").interval, 2000);
    EXPECT_FALSE(g.w("countdowntimer").enabled);
    EXPECT_EQ(g.w("countdowntimer").interval, 1000);
}

TEST(WindowAtStart, LoadSetsCountersAndPieces) {
    Game g;
    EXPECT_EQ(g.main->dselStep, 0);
    EXPECT_EQ(g.main->textStep, 0);
    EXPECT_EQ(g.main->pipePieces[6].id, 6);
    EXPECT_EQ(g.main->valvePieces[5].isValve, True);
}

TEST(WindowLayout, MatchesTheDesignInPixels) {
    Game g;
    auto geo = [&](const char* n, int i = -1) {
        const Widget& w = g.w(n, i);
        return std::vector<int>{w.left, w.top, w.width, w.height};
    };
    EXPECT_EQ(geo("menufrm"), (std::vector<int>{128, 72, 295, 415}));
    EXPECT_EQ(geo("nabidka", 4), (std::vector<int>{680, 145, 100, 100}));
    EXPECT_EQ(geo("text"), (std::vector<int>{15, 550, 770, 35}));
    EXPECT_EQ(geo("menu"), (std::vector<int>{551, 416, 233, 33}));
    EXPECT_EQ(geo("ZKbaner"), (std::vector<int>{550, 465, 235, 70}));
    EXPECT_EQ(geo("pole", 0), (std::vector<int>{24, 24, 57, 57}));
    EXPECT_EQ(geo("napok"), (std::vector<int>{24, 232, 377, 33}));
    // The grey copy of the title lies one pixel higher than the black one.
    EXPECT_EQ(g.w("nadpis", 0).top - g.w("nadpis", 2).top, 1);
    EXPECT_EQ(g.w("nadpis", 0).container, g.id("menufrm"));
}

TEST(WindowLayout, ArraysHaveExactlyTheirMembers) {
    Game g;
    EXPECT_FALSE(g.model.exists("nabidka", 0));
    EXPECT_FALSE(g.model.exists("nadpis", 3));
    EXPECT_FALSE(g.model.exists("intertext", 0));
    EXPECT_FALSE(g.model.exists("intertext", 11));
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 101, 301, 501, 701}) EXPECT_TRUE(g.model.exists("intertext", i)) << i;
    EXPECT_EQ(g.model.memberCount("intertext"), 14);
    EXPECT_EQ(g.model.memberCount("voda"), 15);
    EXPECT_EQ(g.model.memberCount("trubka"), 9);
    EXPECT_EQ(g.model.memberCount("dsel"), 5);
    EXPECT_EQ(g.model.memberCount("lajny"), 90);
}

TEST(WindowLayout, TheDselTargetsLieLeftToRightAs41230) {
    Game g;
    std::vector<int> order{4, 1, 2, 3, 0};
    for (std::size_t k = 1; k < order.size(); ++k) {
        EXPECT_LT(g.w("dsel", order[k - 1]).left, g.w("dsel", order[k]).left);
    }
}

TEST(WindowLayout, BarsFrameTheBoardAndThePanel) {
    // The bar right of the board and the one above the ticker meet at (535, 535).
    bool tee = false;
    for (const Bar& b : WindowBars()) {
        if (b.left == 535 && b.top == 535) tee = b.piece == "lajna-tee-n";
        EXPECT_LE(b.left + b.width, 800);
        EXPECT_LE(b.top + b.height, 600);
    }
    EXPECT_TRUE(tee);
}

TEST(WindowLayout, AMissingMemberIsAProgrammingError) {
    Game g;
    EXPECT_DEATH(g.model.id("nabidka", 0), "no member nabidka\\(0\\)");
    EXPECT_DEATH(g.model.id("nosuchwidget"), "no widget named");
}

TEST(ViewOperations, LoadedMembersCopyMemberZeroAndStayHidden) {
    Game g;
    g.model.setPicture(g.id("pole", 0), g.model.readPicture(g.id("trubka", 3)));
    const W w = g.model.loadMember("pole", 1);
    EXPECT_FALSE(g.model.at(w).visible);
    EXPECT_EQ(g.picture(w), "trubka(3)");
    EXPECT_EQ(g.model.at(w).borderStyle, 1);
    EXPECT_TRUE(g.model.at(w).stretch);
    EXPECT_EQ(g.model.memberCount("pole"), 2);
}

TEST(ViewOperations, ChangesAreRecordedOncePerLook) {
    Game g;
    g.model.takeChanges();
    const W levnum = g.id("levnum");
    g.model.setCaption(levnum, "7");
    g.model.setCaption(levnum, "8");
    g.model.setCaption(g.id("lzivotu"), "5");  // unchanged: not recorded
    auto changes = g.model.takeChanges();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].w, levnum);
    EXPECT_EQ(changes[0].bits, kDirtyCaption);
    EXPECT_TRUE(g.model.takeChanges().empty());
}

TEST(Clicks, ReachNoHandlerThroughAHiddenOrDisabledContainer) {
    Game g;
    EXPECT_FALSE(g.click("napok"));  // napfrm is hidden
    EXPECT_FALSE(g.click("trubka", 0));  // pics: hidden and disabled
    EXPECT_TRUE(g.click("help"));
    EXPECT_TRUE(g.w("napfrm").visible);
    // menufrm is now disabled under the help screen: its buttons take no click.
    EXPECT_FALSE(g.click("novahra"));
    EXPECT_FALSE(g.click("dsel", 3));
    EXPECT_EQ(g.main->dselStep, 0);
    EXPECT_TRUE(g.click("napok"));
    EXPECT_TRUE(g.click("dsel", 3));
    EXPECT_EQ(g.main->dselStep, 1);
}

TEST(Clicks, ADisabledImageKeepsItsPictureButTakesNoClick) {
    Game g;
    const W slot = g.id("nabidka", 1);
    g.model.copyPicture(slot, g.id("trubka", 2));
    EXPECT_FALSE(g.model.clickable(slot));
    EXPECT_EQ(g.picture(slot), "trubka(2)");
    EXPECT_FALSE(g.model.clickable(g.id("text")));  // labels raise no clicks
}

TEST(Timers, EnabledAtATimeTickOneIntervalLaterAndEveryIntervalAfter) {
    WidgetModel m;
    EventDriver d(m);
    Widget t;
    t.name = "t";
    t.kind = Kind::Timer;
    t.enabled = false;
    t.interval = 1000;
    const W timer = m.add(t);
    std::vector<std::int64_t> ticks;
    m.onTick("t", [&](int) { ticks.push_back(m.now()); });
    d.advance(350);
    m.setTimer(timer, true);
    d.advance(3000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1350, 2350, 3350}));
    m.setTimer(timer, false);
    d.advance(5000);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST(Timers, AnIntervalChangedInsideATickAppliesFromTheNextTick) {
    WidgetModel m;
    EventDriver d(m);
    Widget t;
    t.name = "t";
    t.kind = Kind::Timer;
    t.interval = 100;
    const W timer = m.add(t);
    std::vector<std::int64_t> ticks;
    m.onTick("t", [&](int) {
        ticks.push_back(m.now());
        if (ticks.size() == 2) m.setInterval(timer, 400);
    });
    d.advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 600, 1000}));
}

TEST(Timers, TiesFireInTheOrderTheyWereArmed) {
    WidgetModel m;
    EventDriver d(m);
    std::string order;
    for (const char* name : {"b", "a"}) {
        Widget t;
        t.name = name;
        t.kind = Kind::Timer;
        t.interval = 500;
        m.add(t);
        m.onTick(name, [&order, name](int) { order += name; });
    }
    d.advance(1000);
    EXPECT_EQ(order, "baba");
}

TEST(Timers, DisablingInsideAnotherTickCancelsThePendingTick) {
    Game g;
    const W tok = g.id("tok"), cd = g.id("countdowntimer");
    g.model.setTimer(tok, true);
    g.model.setTimer(cd, true);
    int tokTicks = 0;
    g.model.onTick("tok", [&](int) { ++tokTicks; });
    g.model.onTick("countdowntimer", [&](int) { g.model.setTimer(tok, false); });
    g.advance(2500);
    EXPECT_EQ(tokTicks, 0);
}

}  // namespace
}  // namespace vr::test
