#include "bot.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <queue>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace vr::test {
namespace {

// Directions of travel, in the order of the entry sides 1..4 (the side a
// piece is entered from is named by the way the water moves).
enum Dir : int { kUp, kDown, kRight, kLeft };
constexpr int kDx[4] = {0, 0, 1, -1};
constexpr int kDy[4] = {-1, 1, 0, 0};

// Openings of a piece as bits; a channel is the pair of openings it joins.
constexpr int kTop = 1, kBottom = 2, kLeftSide = 4, kRightSide = 8;
constexpr int kEntryOpening[4] = {kBottom, kTop, kLeftSide, kRightSide};  // water moving up enters at the bottom
constexpr int kExitOpening[4] = {kTop, kBottom, kRightSide, kLeftSide};

int DirOf(int dx, int dy) {
    if (dy < 0) return kUp;
    if (dy > 0) return kDown;
    return dx > 0 ? kRight : kLeft;
}

// The direction in which water leaves a channel entered at `entry`.
int ExitDir(int channel, int entry) {
    const int out = channel & ~entry;
    for (int e = 0; e < 4; ++e) {
        if (kExitOpening[e] == out) return e;
    }
    return -1;
}

// What the player knows of the nine pieces: the channels each one carries.
struct Catalogue {
    std::array<std::vector<int>, 9> channels;

    explicit Catalogue(const Main& m) {
        for (int id = 0; id < 9; ++id) {
            const Piece& p = m.state().pipePieces[static_cast<std::size_t>(id)];
            for (int side = 1; side <= 4; ++side) {
                if (!p.open(side)) continue;
                const int ch = kEntryOpening[side - 1] | kExitOpening[DirOf(p.dx(side), p.dy(side))];
                auto& list = channels[static_cast<std::size_t>(id)];
                if (std::find(list.begin(), list.end(), ch) == list.end()) list.push_back(ch);
            }
        }
    }
    bool carries(int id, int channel) const {
        const auto& list = channels[static_cast<std::size_t>(id)];
        return std::find(list.begin(), list.end(), channel) != list.end();
    }
    // Some piece carries both channels (two routes through one cell).
    bool joins(int a, int b) const {
        if (a & b) return false;
        for (int id = 0; id < 9; ++id) {
            if (carries(id, a) && carries(id, b)) return true;
        }
        return false;
    }
};

enum class Kind { kEmpty, kInlet, kValve, kLaid, kUnknown };

// One cell as the player sees it.
struct Seen {
    Kind kind = Kind::kEmpty;
    int id = 0;  // the valve's shape or the laid piece
};

bool ParseIndexed(const std::string& name, const char* prefix, int& out) {
    const std::string p = std::string(prefix) + "(";
    if (name.rfind(p, 0) != 0) return false;
    out = std::stoi(name.substr(p.size()));
    return true;
}

Seen See(const std::string& picture) {
    Seen s;
    if (picture.empty()) return s;
    if (ParseIndexed(picture, "ventil", s.id)) {
        s.kind = Kind::kValve;
    } else if (ParseIndexed(picture, "trubka", s.id)) {
        s.kind = Kind::kLaid;
    } else if (picture.rfind("pzed(", 0) == 0) {
        s.kind = Kind::kInlet;
    } else {
        s.kind = Kind::kUnknown;  // water already in it: not for planning
    }
    return s;
}

// Channels the pipeline uses in one cell.
struct Use {
    int channel[2] = {0, 0};
    int count = 0;
    bool has(int ch) const { return (count > 0 && channel[0] == ch) || (count > 1 && channel[1] == ch); }
};

// The pipeline, planned in segments: from the cell above the inlet the
// cheapest way to the nearest valve not yet passed (entered through one of
// its openings), out of it through the other, and on to the next, until every
// valve is passed. A segment can be planned again later, between the same
// ends, to make use of the pieces on offer.
class Planner {
public:
    Planner(const Catalogue& cat, int n, std::vector<Seen> seen) : cat_(cat), n_(n), seen_(std::move(seen)) {}

    // Plans the whole pipeline; `variant` varies the ties between equally
    // good ways. The nearest valve first is tried first; when that leads into
    // a dead end, other orders are searched, a limited number of steps.
    bool plan(std::uint32_t variant) {
        std::mt19937 pick(variant);
        jitter_.resize(seen_.size());
        for (int& j : jitter_) j = variant == 0 ? 0 : static_cast<int>(pick() % 8);
        int valves = 0;
        for (const Seen& s : seen_) valves += s.kind == Kind::kValve;
        if (valves == 0) return false;  // such a level cannot be won
        const int start = at((n_ + 1) / 2, n_ - 1) * 4 + kUp;
        for (bool thorough : {false, true}) {
            use_.assign(seen_.size(), Use{});
            passed_.assign(seen_.size(), false);
            segments_.clear();
            int budget = thorough ? 300 : valves;
            if (order(start, valves, thorough, budget)) return true;
        }
        return false;
    }

    // A piece has been laid on `cell` (as planned, or dropped there).
    void laid(int cell, int id) { seen_[static_cast<std::size_t>(cell)] = Seen{Kind::kLaid, id}; }

    // Plans segment k again between the same ends, with the channels in
    // `cheap` (bits by channel) cheaper; keeps the new way only when `keep`
    // accepts the pipeline with it.
    template <typename Accept>
    bool replan(std::size_t k, std::uint32_t cheap, Accept keep) {
        Segment old = segments_[k];
        remove(old);
        Segment fresh{old.start, old.goal, {}};
        if (search(fresh, cheap) && fits(fresh)) {
            add(fresh);
            if (keep()) {
                segments_[k] = std::move(fresh);
                return true;
            }
            remove(fresh);
        }
        add(old);
        return false;
    }

    std::size_t segments() const { return segments_.size(); }
    const std::vector<Use>& use() const { return use_; }
    const std::vector<Seen>& seen() const { return seen_; }

private:
    struct Segment {
        int start;  // state: cell x 4 + direction of travel
        int goal;   // the valve's state, or -1: any valve not yet passed
        std::vector<std::pair<int, int>> steps;  // (cell, channel), in the water's order
    };
    static constexpr std::uint32_t kCheapNone = 0;

    int at(int x, int y) const { return (y - 1) * n_ + (x - 1); }
    bool onBoard(int x, int y) const { return x >= 1 && x <= n_ && y >= 1 && y <= n_; }
    int valveChannel(int cell) const {
        return cat_.channels[static_cast<std::size_t>(seen_[static_cast<std::size_t>(cell)].id)][0];
    }

    // A valve that water moving `d` may enter: the segment's own goal, or any
    // valve not yet passed when the segment has none.
    bool enterable(int cell, int d, int goal) const {
        if (goal >= 0) return cell * 4 + d == goal;
        const Seen& s = seen_[static_cast<std::size_t>(cell)];
        if (s.kind != Kind::kValve || passed_[static_cast<std::size_t>(cell)]) return false;
        return (valveChannel(cell) & kEntryOpening[d]) != 0;
    }

    // The cost of the channel `ch` in `cell`, or -1 when it cannot go there.
    int cost(int cell, int ch, std::uint32_t cheap) const {
        const Seen& s = seen_[static_cast<std::size_t>(cell)];
        const Use& u = use_[static_cast<std::size_t>(cell)];
        const int base = ((cheap >> ch) & 1 ? 4 : 16) + jitter_[static_cast<std::size_t>(cell)];
        switch (s.kind) {
            case Kind::kEmpty:
                if (u.count == 0) return base;
                if (u.count == 1 && cat_.joins(u.channel[0], ch)) return base + 40;  // a cross or a double elbow
                return -1;
            case Kind::kLaid: return cat_.carries(s.id, ch) && !u.has(ch) && u.count < 2 ? 1 : -1;
            default: return -1;
        }
    }

    void add(const Segment& seg) {
        for (auto [cell, ch] : seg.steps) {
            Use& u = use_[static_cast<std::size_t>(cell)];
            u.channel[u.count++] = ch;
        }
    }
    void remove(const Segment& seg) {
        for (auto [cell, ch] : seg.steps) {
            Use& u = use_[static_cast<std::size_t>(cell)];
            if (u.count == 2 && u.channel[0] == ch) u.channel[0] = u.channel[1];
            --u.count;
        }
    }
    // The segment may cross itself only where one piece carries both ways.
    bool fits(const Segment& seg) {
        std::size_t added = 0;
        bool ok = true;
        for (const auto& [cell, ch] : seg.steps) {
            if (cost(cell, ch, kCheapNone) < 0) {
                ok = false;
                break;
            }
            Use& u = use_[static_cast<std::size_t>(cell)];
            u.channel[u.count++] = ch;
            ++added;
        }
        for (std::size_t i = added; i-- > 0;) --use_[static_cast<std::size_t>(seg.steps[i].first)].count;
        return ok;
    }

    // Where the water goes after passing the valve it entered in state `goal`.
    int afterValve(int goal) const {
        const int valve = goal / 4;
        const int e = ExitDir(valveChannel(valve), kEntryOpening[goal % 4]);
        const int x = valve % n_ + 1 + kDx[e], y = valve / n_ + 1 + kDy[e];
        return onBoard(x, y) ? at(x, y) * 4 + e : -1;
    }

    // The valves still to pass, from `head` on: the nearest first, or (when
    // thorough) each of the nearest few in turn, giving up on an order as
    // soon as a valve can no longer be reached.
    bool order(int head, int left, bool thorough, int& budget) {
        if (left == 0) return true;
        if (head < 0 || --budget < 0) return false;
        std::vector<Segment> next;
        if (!thorough) {
            Segment seg{head, -1, {}};
            if (!search(seg, kCheapNone)) return false;
            next.push_back(std::move(seg));
        } else {
            const std::vector<int> goals = explore(head, -1, kCheapNone, false);
            std::vector<bool> reached(seen_.size(), false);
            for (int goal : goals) reached[static_cast<std::size_t>(goal / 4)] = true;
            for (std::size_t c = 0; c < seen_.size(); ++c) {
                if (seen_[c].kind == Kind::kValve && !passed_[c] && !reached[c]) return false;
            }
            for (int goal : goals) {
                if (next.size() == 4) break;
                Segment seg{head, goal, {}};
                if (trace(seg)) next.push_back(std::move(seg));
            }
        }
        for (Segment& seg : next) {
            add(seg);
            passed_[static_cast<std::size_t>(seg.goal / 4)] = true;
            segments_.push_back(seg);
            if (order(left == 1 ? 0 : afterValve(seg.goal), left - 1, thorough, budget)) return true;
            segments_.pop_back();
            passed_[static_cast<std::size_t>(seg.goal / 4)] = false;
            remove(seg);
        }
        return false;
    }

    // Cheapest ways from `start`: to the state `goal`, or (goal -1) to every
    // valve not yet passed, nearest first; with `first`, only to the nearest.
    // The valve states reached, in order of cost.
    std::vector<int> explore(int start, int goal, std::uint32_t cheap, bool first) {
        const std::size_t states = seen_.size() * 4;
        dist_.assign(states, INT_MAX);
        from_.assign(states, -1);
        using Item = std::pair<int, int>;
        std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
        dist_[static_cast<std::size_t>(start)] = 0;
        open.push({0, start});
        std::vector<int> goals;
        while (!open.empty()) {
            const auto [d0, s] = open.top();
            open.pop();
            if (d0 != dist_[static_cast<std::size_t>(s)]) continue;
            const int cell = s / 4, d = s % 4;
            if (enterable(cell, d, goal)) {
                goals.push_back(s);
                if (first || goal >= 0) break;
                continue;
            }
            if (seen_[static_cast<std::size_t>(cell)].kind == Kind::kValve) continue;
            const int x = cell % n_ + 1, y = cell / n_ + 1;
            for (int e = 0; e < 4; ++e) {
                if (kEntryOpening[d] == kExitOpening[e]) continue;
                const int c = cost(cell, kEntryOpening[d] | kExitOpening[e], cheap);
                if (c < 0) continue;
                const int nx = x + kDx[e], ny = y + kDy[e];
                if (!onBoard(nx, ny)) continue;
                const int next = at(nx, ny);
                const Kind k = seen_[static_cast<std::size_t>(next)].kind;
                if (k == Kind::kInlet || k == Kind::kUnknown) continue;
                if (k == Kind::kValve && !enterable(next, e, goal)) continue;
                const int ns = next * 4 + e;
                if (d0 + c < dist_[static_cast<std::size_t>(ns)]) {
                    dist_[static_cast<std::size_t>(ns)] = d0 + c;
                    from_[static_cast<std::size_t>(ns)] = s;
                    open.push({d0 + c, ns});
                }
            }
        }
        return goals;
    }

    // The steps of the way that the last explore found to the segment's goal;
    // false when it crosses itself where no piece can.
    bool trace(Segment& seg) {
        std::vector<int> path;
        for (int s = seg.goal; s >= 0; s = from_[static_cast<std::size_t>(s)]) path.push_back(s);
        std::reverse(path.begin(), path.end());
        seg.steps.clear();
        for (std::size_t i = 0; i + 1 < path.size(); ++i) {
            seg.steps.push_back({path[i] / 4, kEntryOpening[path[i] % 4] | kExitOpening[path[i + 1] % 4]});
        }
        return fits(seg);
    }

    // Cheapest way from the segment's start to its goal; fills its steps.
    bool search(Segment& seg, std::uint32_t cheap) {
        const std::vector<int> goals = explore(seg.start, seg.goal, cheap, true);
        if (goals.empty()) return false;
        seg.goal = goals.front();
        return trace(seg);
    }

    const Catalogue& cat_;
    int n_;
    std::vector<Seen> seen_;
    std::vector<Use> use_;
    std::vector<bool> passed_;
    std::vector<Segment> segments_;
    std::vector<int> jitter_;
    std::vector<int> dist_, from_;
};

BotStats g_stats;

bool Shown(const Game& g, const char* name) { return g.model.isVisible(g.id(name)); }
bool Running(const Game& g, const char* timer) { return g.model.isEnabled(g.id(timer)); }

int OfferedPiece(const Game& g, int slot) {
    int id = -1;
    ParseIndexed(g.picture("nabidka", slot), "trubka", id);
    return id;
}

// Lays the planned pipeline; false when the cells to drop unneeded pieces on ran out.
class Layer {
public:
    Layer(Game& g, const Catalogue& cat, Planner& plan, int n) : g_(g), cat_(cat), plan_(plan), n_(n) {}

    bool run() {
        std::array<int, 5> offered{};
        for (;;) {
            for (int i = 1; i <= 4; ++i) {
                offered[static_cast<std::size_t>(i)] = OfferedPiece(g_, i);
                if (offered[static_cast<std::size_t>(i)] < 0) return false;
            }
            int slot = 0, cell = -1;
            if (!match(offered, slot, cell)) {
                if (!openCells()) return true;  // all laid
                if (!adapt(offered) || !match(offered, slot, cell)) {
                    cell = spareCell();
                    if (cell < 0) return false;
                    slot = rotate_++ % 4 + 1;
                    ++g_stats.discards;
                }
            }
            if (!g_.driver.click(g_.id("nabidka", slot)) || !g_.driver.click(g_.id("pole", cell))) return false;
            plan_.laid(cell, offered[static_cast<std::size_t>(slot)]);
        }
    }

private:
    bool takes(int cell, int id) const {
        const Use& u = plan_.use()[static_cast<std::size_t>(cell)];
        for (int i = 0; i < u.count; ++i) {
            if (!cat_.carries(id, u.channel[i])) return false;
        }
        return true;
    }
    bool open(int cell) const {
        return plan_.use()[static_cast<std::size_t>(cell)].count > 0 &&
               plan_.seen()[static_cast<std::size_t>(cell)].kind == Kind::kEmpty;
    }
    bool openCells() const {
        for (int c = 0; c < n_ * n_; ++c) {
            if (open(c)) return true;
        }
        return false;
    }

    // An offered piece for a cell of the pipeline still to lay; a cell of two
    // routes, which takes one piece only, comes first.
    bool match(const std::array<int, 5>& offered, int& slot, int& cell) const {
        int best = 0;
        for (int c = 0; c < n_ * n_; ++c) {
            if (!open(c)) continue;
            const int rank = plan_.use()[static_cast<std::size_t>(c)].count;
            if (rank <= best) continue;
            for (int i = 1; i <= 4; ++i) {
                if (takes(c, offered[static_cast<std::size_t>(i)])) {
                    best = rank;
                    slot = i;
                    cell = c;
                    break;
                }
            }
        }
        return best > 0;
    }

    // No offered piece fits: plans a segment again so that one does.
    bool adapt(const std::array<int, 5>& offered) {
        std::uint32_t cheap = 0;
        for (int i = 1; i <= 4; ++i) {
            for (int ch : cat_.channels[static_cast<std::size_t>(offered[static_cast<std::size_t>(i)])]) cheap |= 1u << ch;
        }
        int unused = 0;
        auto usable = [&] { return match(offered, unused, unused); };
        for (std::size_t k = 0; k < plan_.segments(); ++k) {
            if (plan_.replan(k, cheap, usable)) return true;
        }
        return false;
    }

    // A cell to drop an unneeded piece on: off the pipeline, and not beside it if possible.
    int spareCell() const {
        int beside = -1;
        for (int c = 0; c < n_ * n_; ++c) {
            if (plan_.seen()[static_cast<std::size_t>(c)].kind != Kind::kEmpty || plan_.use()[static_cast<std::size_t>(c)].count > 0)
                continue;
            const int x = c % n_ + 1, y = c / n_ + 1;
            bool near = false;
            for (int e = 0; e < 4 && !near; ++e) {
                const int nx = x + kDx[e], ny = y + kDy[e];
                if (nx < 1 || nx > n_ || ny < 1 || ny > n_) continue;
                const int k = (ny - 1) * n_ + nx - 1;
                near = plan_.use()[static_cast<std::size_t>(k)].count > 0 ||
                       plan_.seen()[static_cast<std::size_t>(k)].kind == Kind::kValve;
            }
            if (!near) return c;
            if (beside < 0) beside = c;
        }
        return beside;
    }

    Game& g_;
    const Catalogue& cat_;
    Planner& plan_;
    int n_;
    int rotate_ = 0;
};

Deal DealShown(const Game& g) {
    return Deal{std::stoi(g.w("levnum").caption), std::stoi(g.w("lzivotu").caption), g.w("tok").interval};
}

bool Dealt(const Game& g) { return Running(g, "countdowntimer") && !Shown(g, "interfrm") && !Shown(g, "menufrm"); }

}  // namespace

ChoicePolicy AlwaysGoOn() {
    return [](int) { return false; };
}

ChoicePolicy AlwaysTakeAction() {
    return [](int) { return true; };
}

std::vector<int> PlayResult::LevelsPlayed() const {
    std::vector<int> out;
    for (const Deal& d : deals) {
        if (out.empty() || out.back() != d.level) out.push_back(d.level);
    }
    return out;
}

const BotStats& LastLevelStats() { return g_stats; }

namespace {

// The board as the player sees it, and a pipeline planned through its valves.
Planner PlanBoard(const Game& g, const Catalogue& cat) {
    const int n = g.main->state().boardSize;
    std::vector<Seen> seen(static_cast<std::size_t>(n * n));
    for (int c = 0; c < n * n; ++c) seen[static_cast<std::size_t>(c)] = See(g.picture(g.id("pole", c)));
    Planner planner(cat, n, seen);
    for (std::uint32_t variant = 0; variant < 12 && !g_stats.planned; ++variant) g_stats.planned = planner.plan(variant);
    if (g_stats.planned) {
        for (const Use& u : planner.use()) g_stats.routeCells += u.count > 0;
    }
    return planner;
}

// Lets the water run until the level ends: true when won.
bool WaitForTheEnd(Game& g, const std::string& levelShown) {
    bool flowing = false;
    for (;;) {
        flowing = flowing || Running(g, "tok");
        if (flowing && (Running(g, "countdowntimer") || Shown(g, "interfrm") || Shown(g, "menufrm"))) break;
        if (!Running(g, "countdowntimer") && !Running(g, "tok")) break;
        if (!g.driver.step(g.model.now() + 3'600'000)) break;
    }
    if (Shown(g, "interfrm")) return true;
    return Running(g, "countdowntimer") && g.w("levnum").caption != levelShown;
}

}  // namespace

bool PlayLevel(Game& g) {
    g_stats = BotStats{};
    if (!Running(g, "countdowntimer") && !Running(g, "tok")) return false;
    const std::string levelShown = g.w("levnum").caption;
    const Catalogue cat(*g.main);
    Planner planner = PlanBoard(g, cat);
    if (g_stats.planned) g_stats.laid = Layer(g, cat, planner, g.main->state().boardSize).run();
    return WaitForTheEnd(g, levelShown);
}

void LayPipelineInPlace(Game& g) {
    g_stats = BotStats{};
    const std::string levelShown = g.w("levnum").caption;
    const Catalogue cat(*g.main);
    const Planner planner = PlanBoard(g, cat);
    ASSERT_TRUE(g_stats.planned) << "no pipeline through every valve of level " << levelShown;
    const int n = g.main->state().boardSize;
    for (int c = 0; c < n * n; ++c) {
        const Use& u = planner.use()[static_cast<std::size_t>(c)];
        if (u.count == 0 || planner.seen()[static_cast<std::size_t>(c)].kind != Kind::kEmpty) continue;
        int id = 0;
        while (!cat.carries(id, u.channel[0]) || (u.count == 2 && !cat.carries(id, u.channel[1]))) ++id;
        g.main->LayPiece(c % n + 1, c / n + 1, id);
    }
}

void WinLevelInPlay(Game& g) {
    const std::string levelShown = g.w("levnum").caption;
    LayPipelineInPlace(g);
    ASSERT_TRUE(WaitForTheEnd(g, levelShown)) << "level " << levelShown << " was not won";
}

PlayResult PlayGame(Game& g, const ChoicePolicy& choose) {
    PlayResult r;
    if (!g.model.clickable(g.id("novahra"))) g.click("menu");
    if (!g.click("novahra")) return r;
    r.deals.push_back(DealShown(g));
    for (int guard = 0; guard < 5000; ++guard) {
        if (Shown(g, "interfrm")) {
            if (Shown(g, "inter1")) {
                const int number = std::stoi(g.w("inter1").tag);
                r.screens.push_back(number);
                g.click(choose(number) ? "inter1" : "inter2");
            } else if (Shown(g, "interok")) {
                const int shown = std::stoi(g.w("interok").tag);
                r.screens.push_back(shown);
                g.click("interok");
                if (shown == 10) {
                    r.outro = true;
                    break;
                }
            } else {
                break;  // a story screen without a button: nothing a player could do
            }
            if (Dealt(g)) r.deals.push_back(DealShown(g));
            continue;
        }
        if (Shown(g, "menufrm")) {
            r.gameOver = true;
            break;
        }
        const bool won = PlayLevel(g);
        if (!won) ++r.livesLost;
        if (Dealt(g)) r.deals.push_back(DealShown(g));
        if (!won && !Dealt(g) && !Shown(g, "menufrm")) break;  // nothing runs any more
    }
    return r;
}

}  // namespace vr::test
