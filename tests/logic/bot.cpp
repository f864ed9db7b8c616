#include "bot.h"

#include <algorithm>
#include <climits>
#include <queue>
#include <set>

namespace vr::test {
namespace {

// Openings of a cell as bits; a channel is the pair of openings one route joins.
constexpr int kTop = 1, kBottom = 2, kLeft = 4, kRight = 8;
// Directions of travel up, down, right, left: the step, the opening the water enters a cell by and the one it
// leaves by.
constexpr int kDx[4] = {0, 0, 1, -1}, kDy[4] = {-1, 1, 0, 0};
constexpr int kIn[4] = {kBottom, kTop, kLeft, kRight}, kOut[4] = {kTop, kBottom, kRight, kLeft};
// The channels of the pieces 0..8: the cross and the double elbows carry two.
constexpr int kChannels[9][2] = {{kLeft | kRight},
                                 {kTop | kBottom},
                                 {kLeft | kBottom},
                                 {kRight | kBottom},
                                 {kLeft | kTop},
                                 {kRight | kTop},
                                 {kTop | kBottom, kLeft | kRight},
                                 {kRight | kTop, kLeft | kBottom},
                                 {kLeft | kTop, kRight | kBottom}};

bool Carries(int id, int ch) { return kChannels[id][0] == ch || kChannels[id][1] == ch; }

// The piece for the channels a route (or two) takes through a cell; -1 where none.
int PieceFor(const std::array<int, 2>& use) {
    for (int id = 0; id < 9; ++id) {
        const bool second = use[1] ? Carries(id, use[1]) && use[0] != use[1] : kChannels[id][1] == 0;
        if (Carries(id, use[0]) && second) return id;
    }
    return -1;
}

// The pipeline, planned valve by valve: the cheapest way from the head of the pipe to the nearest valve not yet
// passed, through it, and on; where that runs into a dead end, a search over the nearest few valves at each step. A
// state is cell x 4 + direction of travel.
class Planner {
public:
    explicit Planner(const GameState& s) : n_(s.boardSize), use_(static_cast<std::size_t>(n_ * n_)) {
        for (int c = 0; c < n_ * n_; ++c) piece_.push_back(s.board(c % n_ + 1, c / n_ + 1));
    }

    bool plan() {
        const int inlet = n_ * n_ - n_ + rules::InletColumn(n_) - 1;
        int valves = -1;  // the inlet is one too
        for (const Piece& p : piece_) valves += p.isValve ? 1 : 0;
        for (int budget : {valves, 300}) {
            std::fill(use_.begin(), use_.end(), std::array<int, 2>{});
            passed_.assign(piece_.size(), false);
            passed_[static_cast<std::size_t>(inlet)] = true;
            if (valves > 0 && order((inlet - n_) * 4, valves, budget > valves, budget)) return true;
        }
        return false;
    }

    void lay(Main& m) const {
        for (int c = 0; c < n_ * n_; ++c) {
            if (use_[c][0] && piece_[c].id == kEmptyId) m.LayPiece(c % n_ + 1, c / n_ + 1, PieceFor(use_[c]));
        }
    }

private:
    // A route through `cell` by the channel `ch` may join the pipeline there.
    bool fits(int cell, int ch) const {
        const Piece& p = piece_[cell];
        const auto& u = use_[cell];
        if (p.id == kEmptyId) return !u[1] && (!u[0] || PieceFor({u[0], ch}) >= 0);
        return !p.isValve && Carries(p.id, ch) && u[0] != ch && !u[1];  // a piece laid before
    }

    // The cheapest ways from `start` to the valves not yet passed (a cell of two routes costs more), each as its
    // states in order; with `first`, only to the nearest.
    std::vector<std::vector<int>> explore(int start, bool first) const {
        std::vector<int> dist(piece_.size() * 4, INT_MAX), from(piece_.size() * 4, -1);
        std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>> open;
        open.push({dist[start] = 0, start});
        std::vector<std::vector<int>> ways;
        while (!open.empty() && !(first && !ways.empty())) {
            const auto [d0, s] = open.top();
            open.pop();
            if (d0 != dist[s]) continue;
            if (piece_[s / 4].isValve) {
                auto& way = ways.emplace_back();
                for (int t = s; t >= 0; t = from[t]) way.insert(way.begin(), t);
                continue;
            }
            for (int e = 0; e < 4; ++e) {
                const int x = s / 4 % n_ + kDx[e], y = s / 4 / n_ + kDy[e], ch = kIn[s % 4] | kOut[e];
                if (kIn[s % 4] == kOut[e] || !fits(s / 4, ch) || x < 0 || x >= n_ || y < 0 || y >= n_) continue;
                const int next = (y * n_ + x) * 4 + e;
                const int d = d0 + (piece_[s / 4].id != kEmptyId ? 1 : use_[s / 4][0] ? 56 : 16);
                const Piece& p = piece_[next / 4];
                if (p.isValve && (passed_[next / 4] || !(kChannels[p.id][0] & kIn[e]))) continue;
                if (d < dist[next]) {
                    open.push({dist[next] = d, next});
                    from[next] = s;
                }
            }
        }
        return ways;
    }

    // Takes a way into the pipeline, unless it crosses itself where no piece can; takes the first `steps` of one
    // out again.
    bool add(const std::vector<int>& way) {
        for (std::size_t i = 0; i + 1 < way.size(); ++i) {
            auto& u = use_[way[i] / 4];
            const int ch = kIn[way[i] % 4] | kOut[way[i + 1] % 4];
            if (!fits(way[i] / 4, ch)) return remove(way, i), false;
            u[u[0] ? 1 : 0] = ch;
        }
        return true;
    }
    void remove(const std::vector<int>& way, std::size_t steps) {
        while (steps-- > 0) {
            auto& u = use_[way[steps] / 4];
            u[u[1] ? 1 : 0] = 0;
        }
    }

    // Plans on from the state `head` through the `left` valves not yet passed.
    bool order(int head, int left, bool thorough, int& budget) {
        if (left == 0) return true;
        if (head < 0 || --budget < 0) return false;
        const auto ways = explore(head, !thorough);
        std::set<int> reached;
        for (const auto& w : ways) reached.insert(w.back() / 4);
        if (static_cast<int>(reached.size()) < (thorough ? left : 1)) return false;  // a valve out of reach
        int tried = 0;
        for (const auto& way : ways) {
            if (tried == 4 || !add(way)) continue;
            ++tried;
            // Out of the valve through its other opening.
            const int valve = way.back() / 4, out = kChannels[piece_[valve].id][0] & ~kIn[way.back() % 4];
            const int e = static_cast<int>(std::find(kOut, kOut + 4, out) - kOut);
            const int x = valve % n_ + kDx[e], y = valve / n_ + kDy[e];
            passed_[valve] = true;
            const int after = x < 0 || x >= n_ || y < 0 || y >= n_ ? -1 : (y * n_ + x) * 4 + e;
            if (order(after, left - 1, thorough, budget)) return true;
            passed_[valve] = false;
            remove(way, way.size() - 1);
        }
        return false;
    }

    int n_;
    std::vector<Piece> piece_;
    std::vector<std::array<int, 2>> use_;  // the channels the pipeline takes through each cell
    std::vector<bool> passed_;
};

bool Running(const Game& g, const char* timer) { return g.w(timer).enabled; }

// Lets the level run until it ends: true when the level moved on.
bool RunToTheEnd(Game& g, int level) {
    for (bool flowed = false;;) {
        const bool counting = Running(g, "countdowntimer");
        if ((!counting && !Running(g, "tok")) || (flowed && counting)) break;
        flowed = flowed || Running(g, "tok");
        if (!g.driver.step(g.model.now() + 3'600'000)) break;
    }
    return g.main->state().level != level;
}

}  // namespace

void LayPipelineInPlace(Game& g) {
    Planner p(g.main->state());
    ASSERT_TRUE(p.plan()) << "no pipeline through every valve of level " << int(g.main->state().level);
    p.lay(*g.main);
}

bool PlayLevel(Game& g) {
    const int level = g.main->state().level;
    if (Planner p(g.main->state()); p.plan()) p.lay(*g.main);
    return RunToTheEnd(g, level);
}

void WinLevelInPlay(Game& g) {
    const int level = g.main->state().level;
    ASSERT_TRUE(PlayLevel(g)) << "level " << level << " was not won";
}

PlayResult PlayGame(Game& g, const std::function<bool(int n)>& takeAction) {
    PlayResult r;
    if (!g.click("novahra")) return r;
    for (int guard = 0; guard < 5000; ++guard) {
        ExpectInStep(g);  // on every board dealt and every story screen
        if (g.w("interfrm").visible) {
            const bool choice = g.w("inter1").visible;
            const int n = std::stoi(g.w(choice ? "inter1" : "interok").tag);
            r.screens.push_back(n);
            if (!g.click(!choice ? "interok" : takeAction(n) ? "inter1" : "inter2") || (r.outro = n == 10)) break;
        } else if (g.w("menufrm").visible || !Running(g, "countdowntimer")) {
            break;
        } else {
            const int level = std::stoi(g.w("levnum").caption), lives = std::stoi(g.w("lzivotu").caption);
            r.deals.push_back({level, lives, g.w("tok").interval});
            r.livesLost += PlayLevel(g) ? 0 : 1;
        }
    }
    return r;
}

}  // namespace vr::test
