// The window at start, the view operations and the event driver.
#include <gtest/gtest.h>

#include "harness.h"
#include "ui/design/bars.h"

namespace vr::test {
namespace {

TEST(WindowAtStart, AfterFormLoadOnlyTheMenuPanelIsUpAndTheTickerTimerRuns) {
    Game g;
    for (const char* f : {"napfrm", "interfrm", "dframe", "pleasewait", "pics"}) EXPECT_FALSE(g.w(f).visible) << f;
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
    // The three timers in their start state.
    EXPECT_TRUE(g.w("texttimer").enabled);
    EXPECT_EQ(g.w("texttimer").interval, 100);
    EXPECT_FALSE(g.w("tok").enabled);
    EXPECT_EQ(g.w("tok").interval, 2000);
    EXPECT_FALSE(g.w("countdowntimer").enabled);
    EXPECT_EQ(g.w("countdowntimer").interval, 1000);
}

TEST(WindowLayout, SpotChecksInPixels) {
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
    EXPECT_EQ(g.w("nadpis", 0).top - g.w("nadpis", 2).top, 1);  // the title's grey copy, a pixel higher
    // The credit line's targets lie left to right as 4, 1, 2, 3, 0.
    const int order[] = {4, 1, 2, 3, 0};
    for (int k = 1; k < 5; ++k) EXPECT_LT(g.w("dsel", order[k - 1]).left, g.w("dsel", order[k]).left);
    // The bars stay inside the window; right of the board and above the
    // ticker they meet in a tee at (535, 535).
    bool tee = false;
    for (const Bar& b : WindowBars()) {
        if (b.left == 535 && b.top == 535) tee = b.piece == "lajna-tee-n";
        EXPECT_LE(b.left + b.width, 800);
        EXPECT_LE(b.top + b.height, 600);
    }
    EXPECT_TRUE(tee);
}

TEST(WindowLayout, ArraysHaveTheirMembersAndAMissingMemberAborts) {
    Game g;
    for (const auto& [name, n] : std::vector<std::pair<const char*, int>>{
             {"intertext", 14}, {"nadpis", 5}, {"voda", 15}, {"trubka", 9}, {"dsel", 5}, {"lajny", 90}}) {
        EXPECT_EQ(g.model.memberCount(name), n) << name;
    }
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

TEST(Clicks, InsideHiddenOrDisabledFramesOrOnADisabledImageReachNoHandler) {
    Game g;
    EXPECT_FALSE(g.click("napok"));      // napfrm is hidden
    EXPECT_FALSE(g.click("trubka", 0));  // pics: hidden and disabled
    const W slot = g.id("nabidka", 1);
    g.model.copyPicture(slot, g.id("trubka", 2));
    EXPECT_FALSE(g.model.clickable(slot));
    EXPECT_EQ(g.picture(slot), "trubka(2)");
    EXPECT_FALSE(g.model.clickable(g.id("text")));  // labels raise no clicks
}

// Timers of their own on a bare model, and the times they ticked at.
struct Timers : ::testing::Test {
    W add(const char* name, int interval, bool enabled = true) {
        Widget t;
        t.name = name;
        t.kind = Kind::Timer;
        t.enabled = enabled;
        t.interval = interval;
        return m.add(t);
    }
    WidgetModel m;
    EventDriver d{m};
    std::vector<std::int64_t> ticks;
};

TEST_F(Timers, EnabledAt350WithInterval1000TicksAt1350And2350) {
    const W timer = add("t", 1000, false);
    m.onTick("t", [&](int) { ticks.push_back(m.now()); });
    d.advance(350);
    m.setTimer(timer, true);
    d.advance(3000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1350, 2350, 3350}));
    m.setTimer(timer, false);
    d.advance(5000);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST_F(Timers, AnIntervalChangedInsideATickAppliesFromTheNextTick) {
    const W timer = add("t", 100);
    m.onTick("t", [&](int) {
        ticks.push_back(m.now());
        if (ticks.size() == 2) m.setInterval(timer, 400);
    });
    d.advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 600, 1000}));
}

TEST_F(Timers, TiesFireInTheOrderTheyWereArmed) {
    std::string order;
    for (const char* name : {"b", "a"}) {
        add(name, 500);
        m.onTick(name, [&order, name](int) { order += name; });
    }
    d.advance(1000);
    EXPECT_EQ(order, "baba");
}

TEST(GameTimers, DisablingInsideAnotherTickCancelsThePendingTick) {
    Game g;
    const W tok = g.id("tok");
    g.model.setTimer(tok, true);
    g.model.setTimer(g.id("countdowntimer"), true);
    int tokTicks = 0;
    g.model.onTick("tok", [&](int) { ++tokTicks; });
    g.model.onTick("countdowntimer", [&](int) { g.model.setTimer(tok, false); });
    g.advance(2500);
    EXPECT_EQ(tokTicks, 0);
}

}  // namespace
}  // namespace vr::test
