// The window as designed and loaded, the widget model's record of changes, the game's chance, and the fixed texts.
// (The event driver's clock: every test of play.)
#include <cstdio>
#include <set>

#include "design/spoken.h"
#include "harness.h"

namespace vr::test {
namespace {

TEST(Window, AtStartOnlyTheMenuTakesClicksAndOnlyTheTickerRuns) {
    Game g;
    Play(g, "", "menufrm", kMenu, "level 0, 5 Životů");
    EXPECT_TRUE(Unchanged(g, "menu !pokracovat"));  // nothing to pause or continue
    for (int i : {0, 1, 2}) EXPECT_TRUE(g.model.shown(g.id("nadpis", i))) << "the title, its copy, the credit line";
    EXPECT_EQ(g.w("text").caption, "");
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(g.w("nabidka", i).visible && g.picture("nabidka", i).empty()) << i;
    EXPECT_TRUE(g.model.memberCount("pole") == 1 && !g.w("pole", 0).visible);
    for (auto [t, on, ms] :
         {std::tuple{"texttimer", true, 100}, {"tok", false, 2000}, {"countdowntimer", false, 1000}}) {
        EXPECT_EQ(std::pair(g.w(t).enabled, g.w(t).interval), std::pair(on, ms)) << t;
    }
}

// The window as designed, a line a widget (its place and size in pixels, colours, font, flags, picture, text),
// folded into one number: a change to any of it fails here and prints the lines, for whoever changed the design on
// purpose to read and take the number.
TEST(Window, TheDesignChangesOnlyOnPurpose) {
    WidgetModel m;
    BuildWindow(m);
    std::string lines;
    for (W w = 0; w < static_cast<W>(m.size()); ++w) {
        const Widget& x = m.at(w);
        const Font& f = x.font;
        char line[256];
        std::snprintf(line, sizeof line, "%s(%d) in %d: %d %d %d %d %x %x %s %.2f%c%c %d%d%d%d %s %d %d %d %d %s |",
                      x.name.c_str(), x.index, x.container, x.left, x.top, x.width, x.height, x.foreColor, x.backColor,
                      f.face.c_str(), f.points, f.bold ? 'b' : '-', f.italic ? 'i' : '-', int(x.kind), x.visible,
                      x.enabled, x.stretch, m.pictureName(x.picture).c_str(), int(x.align), x.borderStyle, x.order,
                      x.interval, x.tag.c_str());
        lines += line + x.caption + "|\n";
    }
    std::uint64_t digest = 14695981039346656037u;  // FNV-1a
    for (unsigned char c : lines) digest = (digest ^ c) * 1099511628211u;
    EXPECT_EQ(digest, 1223868188647512414u) << lines;
}

// A screen reader's words: every kind of picture, a cell by its row and column on the board dealt now, the read-outs
// with their words; the bars and the words beside the read-outs are not read at all.
TEST(ScreenReader, SaysPicturesCellsAndReadOutsInWords) {
    const std::pair<const char*, const char*> words[] = {
        {"trubka(0)", "rovná trubka zleva doprava"},
        {"trubka(7)", "dvojité koleno shora doprava a zleva dolů"},
        {"voda(1)", "rovná trubka shora dolů, plná vody"},
        {"voda(4)", "koleno zleva nahoru, plné vody"},
        {"voda(6)", "křížení trubek zleva doprava a shora dolů, voda v obou trubkách"},
        {"voda(10)", "křížení trubek zleva doprava a shora dolů, voda jen v trubce shora dolů"},
        {"voda(11)", "dvojité koleno shora doprava a zleva dolů, voda jen v koleni shora doprava"},
        {"voda(14)", "dvojité koleno shora doleva a zprava dolů, voda jen v koleni zprava dolů"},
        {"ventil(1)", "ventil na rovné trubce shora dolů"},
        {"ventilvoda(5)", "ventil na koleni zprava nahoru, plný vody"},
        {"pzed(1)", "přívod vody, voda už teče"},
        {"voda(15)", "voda(15)"}};
    for (const auto& [picture, said] : words) EXPECT_EQ(PictureWords(picture), said);
    Game g;
    EXPECT_EQ(ShownBoardSide(g.model), 0);
    Deal(g, 4, {{3, 3, 1}, {5, 5, 0}}, {1, 1, 1, 1});
    EXPECT_EQ(ShownBoardSide(g.model), 6);
    EXPECT_EQ(SpokenName(g.model, g.id("pole", 32)), "řádek 6, sloupec 3: přívod vody");
    EXPECT_EQ(SpokenName(g.model, g.id("pole", 35)), "řádek 6, sloupec 6: prázdné");
    EXPECT_EQ(SpokenName(g.model, g.id("nabidka", 2)), "rovná trubka shora dolů");
    EXPECT_EQ(SpokenName(g.model, g.id("lzivotu")) + " | " + SpokenName(g.model, g.id("levnum")),
              "5 Životů | " + g.w("Label1").caption + " 4");
    EXPECT_EQ(SpokenName(g.model, g.id("Image1")) + " | " + SpokenName(g.model, g.id("novahra")),
              "Obrázek autorů | Nová Hra");
    EXPECT_EQ(std::string(SpokenDescription(g.w("countdown"))) + " | " + SpokenDescription(g.w("novahra")),
              "odpočet do puštění vody | ");
    for (const char* hidden : {"Label1", "Label2", "tok"}) EXPECT_FALSE(Presented(g.model, g.id(hidden))) << hidden;
    EXPECT_FALSE(Presented(g.model, g.id("lajny", 0)));
    EXPECT_TRUE(Presented(g.model, g.id("levnum")) && IsBoardCell(g.w("pole", 0)) && !IsBoardCell(g.w("nabidka", 1)));
}

// A widget or member the window lacks stops the program.
TEST(Window, AMissingWidgetStopsTheProgram) {
    Game g;
    EXPECT_DEATH(g.model.id("nabidka", 0), "no member nabidka\\(0\\)");
    EXPECT_DEATH(g.model.id("nosuchwidget"), "no widget named");
}

// What changed is recorded once for the front end's next look; a property set to the value it has is no change.
TEST(WidgetModel, ChangesAreRecordedOncePerLook) {
    Game g;
    g.model.takeChanges();
    const W levnum = g.id("levnum");
    g.model.setCaption(levnum, "7");
    g.model.setCaption(levnum, "8");
    g.model.setCaption(g.id("lzivotu"), "5");  // unchanged: not recorded
    g.model.setBorder(g.id("nabidka", 2), 1);
    const auto changes = g.model.takeChanges();
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(std::pair(changes[0].w, changes[0].bits), std::pair(levnum, std::uint32_t{kDirtyCaption}));
    EXPECT_EQ(std::pair(changes[1].w, changes[1].bits), std::pair(g.id("nabidka", 2), std::uint32_t{kDirtyBorder}));
    EXPECT_TRUE(g.model.takeChanges().empty());
}

// Timers as the window's: the first tick one interval after the timer is switched on, an interval changed inside a
// tick counts from the next one, ties in the order the timers were armed, and a timer switched off inside another's
// tick does not tick at that moment.
TEST(Timers, TickAsTheWindowsTimersDo) {
    WidgetModel m;
    EventDriver d{m};
    std::string log;
    auto add = [&](const char* name, int interval, bool on) {
        Widget t;
        t.name = name;
        t.kind = Kind::Timer;
        t.enabled = on;
        t.interval = interval;
        const W w = m.add(t);
        m.onTick(name, [&log, &m, name](int) { log += std::string(name) + std::to_string(m.now()) + " "; });
        return w;
    };
    const W a = add("a", 1000, false), b = add("b", 500, true), c = add("c", 500, true);
    d.advance(350);
    m.setTimer(a, true);
    m.onTick("b", [&](int) {
        log += "b" + std::to_string(m.now()) + " ";
        if (m.now() == 1000) m.setInterval(b, 700);
        if (m.now() == 1700) m.setTimer(c, false);  // c was due at 2000, after b
    });
    d.advance(1650);
    EXPECT_EQ(log, "b500 c500 b1000 c1000 a1350 c1500 b1700 ");
    m.setTimer(a, false);
    d.advance(3000);
    EXPECT_EQ(log.substr(log.rfind("b1700")), "b1700 b2400 b3100 b3800 b4500 ");
}

// The game's generator gives numbers in [0, 1), over all nine pieces, the same again from the same seed; the window
// seeds it from the seconds since midnight when it loads.
TEST(Chance, TheGeneratorRepeatsItsSeedAndTheWindowSeedsItFromTheTimeOfDay) {
    SeededRandom r(4242), again(7);
    again.seed(4242);
    std::set<int> ninths;
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const double x = r.next();
        ASSERT_TRUE(again.next() == x && x >= 0.0 && x < 1.0) << i << ": " << x;
        sum += x;
        ninths.insert(static_cast<int>(x * 9));
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
    EXPECT_EQ(ninths.size(), 9u);
    for (std::uint32_t seconds : {0u, 30000u, 86399u}) {  // whatever seed the generator was built with
        auto g = std::make_unique<Game>(std::make_unique<SeededRandom>(1));
        g->platform.seconds = seconds;
        g->main->Form_Load();
        EXPECT_EQ(g->random->next(), SeededRandom(seconds).next()) << seconds;
    }
}

// The help and the story texts, shown as they are: lines broken by CR LF only. (Their bytes are in the design's digest
// above, which holds their length and content.)
TEST(FixedTexts, AreBrokenByCrLfOnly) {
    Game g;
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 101, 301, 501, 701}) {
        const std::string& s = g.w(i ? "intertext" : "naptext", i ? i : -1).caption;
        SCOPED_TRACE(i);
        EXPECT_TRUE(s.size() > 100 && s.find('\0') == std::string::npos);
        for (std::size_t at = s.find_first_of("\r\n"); at != std::string::npos; at = s.find_first_of("\r\n", at + 2)) {
            ASSERT_EQ(s.substr(at, 2), "\r\n") << "at byte " << at;
        }
    }
}

}  // namespace
}  // namespace vr::test
