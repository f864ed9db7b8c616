// A game on the widget model alone (the window in its design state, the event driver on a virtual clock, a scripted
// or seeded chance, a platform that records what the game asked of it), and the views of its screen.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "design/inventory.h"
#include "game/main_form.h"
#include "model/check.h"
#include "model/event_driver.h"

namespace vr::test {

class FakeBrowser : public Browser {
public:
    bool show() override { return shown = true; }
    bool navigate(const std::string& address) override {
        visited.push_back(address);
        return true;
    }
    bool shown = false;
    std::vector<std::string> visited;
};

class FakePlatform : public Platform {
public:
    std::uint32_t secondsSinceMidnight() override { return seconds; }
    void quit() override {  // as on the desktop, no event runs after it
        ++quits;
        driver->stop();
    }
    std::shared_ptr<Browser> createBrowser() override {
        return browserAvailable ? browsers.emplace_back(std::make_shared<FakeBrowser>()) : nullptr;
    }
    std::uint32_t seconds = 12345;
    int quits = 0;
    bool browserAvailable = true;
    EventDriver* driver = nullptr;
    std::vector<std::shared_ptr<FakeBrowser>> browsers;
};

// Hands out exactly the draws it was given, in order, and stops the test loudly when the game asks for one more.
class ScriptedRandom : public Random {
public:
    void push(double r) { draws_.push_back(r); }
    void seed(std::uint32_t) override {}
    double next() override {
        VR_CHECK(!draws_.empty(), "the game drew a random number more than scripted");
        const double r = draws_.front();
        draws_.pop_front();
        return r;
    }
    std::size_t left() const { return draws_.size(); }

private:
    std::deque<double> draws_;
};

// A window that has loaded, with the given chance behind it.
struct Game {
    explicit Game(std::unique_ptr<Random> r = std::make_unique<ScriptedRandom>())
        : random(std::move(r)), driver(model) {
        BuildWindow(model);
        platform.driver = &driver;
        main = std::make_unique<Main>(model, *random, platform);
        main->Form_Load();
    }

    ScriptedRandom& script() { return dynamic_cast<ScriptedRandom&>(*random); }
    W id(const std::string& name, int index = -1) const { return index < 0 ? model.id(name) : model.id(name, index); }
    const Widget& w(const std::string& name, int index = -1) const { return model.at(id(name, index)); }
    bool click(const std::string& name, int index = -1) { return driver.click(name, index); }
    void advance(std::int64_t ms) { driver.advance(ms); }
    std::string picture(W w) const { return model.pictureName(model.readPicture(w)); }
    std::string picture(const std::string& name, int index = -1) const { return picture(id(name, index)); }
    std::string cellPicture(int x, int y) const { return picture(main->state().cells(x, y)); }

    WidgetModel model;
    std::unique_ptr<Random> random;
    EventDriver driver;
    FakePlatform platform;
    std::unique_ptr<Main> main;
};

// The draw r for which Int(r x k) is v.
inline double DrawFor(int v, int k) { return (v + 0.5) / k; }

struct Valve {  // a valve try landing on (x, y); with a shape (not -1), a valve put there
    int x, y, shape;
};

// Scripts the draws of a deal on an n x n board: the valve tries in order (columns and rows 2..N - 1 are Int(r x (N
// - 2)) + 2, shapes Int(r x 6)), then the pieces of offer slots 1..4.
inline void ScriptDeal(Game& g, int n, const std::vector<Valve>& tries, const std::vector<int>& offer) {
    for (const Valve& v : tries) {
        g.script().push(DrawFor(v.x - 2, n - 2));
        g.script().push(DrawFor(v.y - 2, n - 2));
        if (v.shape >= 0) g.script().push(DrawFor(v.shape, 6));
    }
    for (int id : offer) g.script().push(DrawFor(id, 9));
}

// Deals `level` with `lives` from those draws: "Nová Hra" for a new game at level 1.
inline void Deal(Game& g, int level, const std::vector<Valve>& tries, const std::vector<int>& offer, int lives = 5) {
    ScriptDeal(g, level / 4 + 5, tries, offer);
    if (level == 1 && lives == 5) {
        EXPECT_TRUE(g.click("novahra"));
    } else {
        g.main->EnterLevel(static_cast<Byte>(level), static_cast<Byte>(lives));
    }
}

// Level 1 from scripted draws: one valve at (3, 3), straight up and down, and that piece in every slot. The water
// enters the inlet (3, 5) 23 s after the deal, the cell above it at 25 s, the valve at 27 s.
inline void NewScriptedGame(Game& g, int lives = 5) { Deal(g, 1, {{3, 3, 1}}, {1, 1, 1, 1}, lives); }
constexpr const char* kLevel1 = "pole*23 nabidka*4 menu";                  // what takes a click there
constexpr const char* kMenu = "dsel*5 novahra help ukoncit menu ZKbaner";  // at start and after a game

// Scripts the deal of `level` as the easiest board the rules allow: one valve, straight up and down, two cells above
// the inlet, and straight pipes on offer. From level 3 on, when more valves are wanted, every one of the 4 x level
// tries left lands on that valve and is refused.
inline void ScriptEasyDeal(Game& g, int level) {
    const int n = level / 4 + 5;
    std::vector<Valve> tries(level >= 3 ? 4 * level + 1 : 1, Valve{(n + 1) / 2, n - 2, -1});
    tries[0].shape = 1;
    ScriptDeal(g, n, tries, {1, 1, 1, 1});
}

// The pipe of that board: one straight piece between the inlet and the valve.
inline void LayEasyPipe(Game& g) {
    const int n = g.main->state().boardSize;
    g.main->LayPiece((n + 1) / 2, n - 1, 1);
}

// Lets the level in play run until it ends: true when won (a new board, a story screen or the outro), false when a
// life was lost.
inline bool RunLevel(Game& g) {
    const int level = g.main->state().level;
    for (bool flowed = false;;) {
        const bool counting = g.w("countdowntimer").enabled, flowing = g.w("tok").enabled;
        if ((!counting && !flowing) || (flowed && counting) || !g.driver.step(g.model.now() + 3'600'000)) break;
        flowed = flowed || flowing;
    }
    return g.main->state().level != level;
}

// A game at `level` with 5 lives on the easy board, won; the deals of the levels `next` scripted for what follows.
inline std::unique_ptr<Game> Won(int level, const std::vector<int>& next = {}) {
    auto g = std::make_unique<Game>();
    ScriptEasyDeal(*g, level);
    g->main->EnterLevel(static_cast<Byte>(level), 5);
    for (int l : next) ScriptEasyDeal(*g, l);
    LayEasyPipe(*g);
    EXPECT_TRUE(RunLevel(*g)) << "level " << level << " was not won";
    return g;
}

// Runs the countdown of the level just dealt to its end: the water is released.
inline void RunCountdown(Game& g) { g.advance((std::stoi(g.w("countdown").caption) + 1) * 1000); }

// The story text boxes that are visible.
inline std::vector<int> VisibleTexts(const Game& g) {
    std::vector<int> out;
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 101, 301, 501, 701}) {
        if (g.w("intertext", i).visible) out.push_back(i);
    }
    return out;
}

// The cell pictures of the board in play, row by row.
inline std::vector<std::string> Board(const Game& g) {
    std::vector<std::string> out;
    for (int c = 0; c < g.main->state().boardSize * g.main->state().boardSize; ++c) out.push_back(g.picture("pole", c));
    return out;
}

// The panels up over the board, in the window's order.
inline std::string Panels(const Game& g) {
    std::string out;
    for (const char* f : {"interfrm", "napfrm", "dframe", "menufrm", "pleasewait"}) {
        if (g.w(f).visible) out += (out.empty() ? "" : " ") + std::string(f);
    }
    return out;
}

// The side panel as the player reads it: the level, the lives and their word, and the countdown while it shows.
inline std::string SidePanel(const Game& g) {
    const Widget& count = g.w("countdown");
    return "level " + g.w("levnum").caption + ", " + g.w("lzivotu").caption + " " + g.w("Label2").caption +
           (count.visible ? ", count " + count.caption : "");
}

// What takes a click: the names in the window's order, an array's members as name*count ("pole*22").
inline std::string Clickable(const Game& g) {
    std::vector<std::pair<std::string, int>> names;
    for (W w = 0; w < static_cast<W>(g.model.size()); ++w) {
        const std::string& name = g.model.at(w).name;
        auto it = std::find_if(names.begin(), names.end(), [&](const auto& n) { return n.first == name; });
        (it == names.end() ? names.emplace_back(name, 0) : *it).second += g.model.clickable(w) ? 1 : 0;
    }
    std::string out;
    for (const auto& [name, n] : names) {
        if (n > 0) out += (out.empty() ? "" : " ") + name + (n > 1 ? "*" + std::to_string(n) : "");
    }
    return out;
}

void ExpectInStep(const Game& g);  // invariants.h

// A key by its name: "Tab", "BackTab", "Left", "Right", "Up", "Down", "Enter", "Space", "Esc", "P", "1".."4".
inline Key KeyNamed(const std::string& name) {
    static const char* const names[] = {"Tab",   "BackTab", "Left", "Right", "Up", "Down", "Enter",
                                        "Space", "Esc",     "P",    "1",     "2",  "3",    "4"};
    const auto it = std::find(std::begin(names), std::end(names), name);
    VR_CHECK(it != std::end(names), "no key named %s", name.c_str());
    return static_cast<Key>(it - std::begin(names));
}

// The widget with the keyboard's focus as "name" or "name(i)", "" for none; "[...]" around it while it is marked.
inline std::string Focus(const Game& g) {
    const W f = g.model.focus();
    if (f == kNoWidget) return "";
    const Widget& x = g.model.at(f);
    const std::string name = x.name + (x.index < 0 ? "" : "(" + std::to_string(x.index) + ")");
    return g.model.focusVisible() ? "[" + name + "]" : name;
}

// Plays a line of actions, then checks what the screen shows (a null leaves it unchecked) and the rules of
// invariants.h. The actions, by spaces: a click on "name" or "name(i)", refused with a leading "!", "+ms" waited,
// or a key "<Enter>", held with "<Enter~>" (a repeat).
inline void Play(Game& g, const std::string& actions, const char* panels = nullptr, const char* clickable = nullptr,
                 const std::string& side = "") {
    std::istringstream in(actions);
    for (std::string a; in >> a;) {
        const bool refused = a[0] == '!', indexed = a.back() == ')';
        if (a[0] == '+') {
            g.advance(std::stoll(a.substr(1)));
        } else if (a[0] == '<') {
            const bool held = a[a.size() - 2] == '~';
            g.driver.key(KeyNamed(a.substr(1, a.size() - 2 - held)), held);
        } else {
            const int index = indexed ? std::stoi(a.substr(a.find('(') + 1)) : -1;
            EXPECT_EQ(g.click(a.substr(refused, a.find('(') - refused), index), !refused) << a;
        }
    }
    EXPECT_EQ(panels ? Panels(g) : "", panels ? panels : "") << actions;
    EXPECT_EQ(clickable ? Clickable(g) : "", clickable ? clickable : "") << actions;
    EXPECT_EQ(side.empty() ? side : SidePanel(g), side) << actions;
    ExpectInStep(g);
}

// Plays the actions; true when they left the screen as it was: nothing to redraw.
inline bool Unchanged(Game& g, const std::string& actions) {
    g.model.takeChanges();
    Play(g, actions);
    return g.model.takeChanges().empty();
}

}  // namespace vr::test
