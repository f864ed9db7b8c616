#include "invariants.h"

#include <gtest/gtest.h>

#include <vector>

namespace vr::test {
namespace {

std::string At(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

// The picture a two-channel piece shows after its first pass, by the move with which the water left it.
int HalfPicture(int id, int dx, int dy) {
    if (id == 6) return dy == 0 ? 9 : 10;
    if (id == 7) return (dy > 0 || dx < 0) ? 12 : 11;
    return (dy > 0 || dx > 0) ? 14 : 13;
}

// How the water has passed one cell so far.
struct Passes {
    int count = 0;
    int firstDx = 0, firstDy = 0;  // the move with which it left the cell the first time
};

// Follows the water through the board records from the inlet to the current flow position; "" when it gets there.
std::string TraceWater(const Main& m, std::vector<Passes>& passes) {
    const int n = m.state().boardSize;
    const int mid = (n + 1) / 2;
    int x = mid, y = n, px = mid, py = n + 1;
    for (int step = 0; step <= 2 * n * n + 2; ++step) {
        if (x == m.state().flowX && y == m.state().flowY && px == m.state().prevX && py == m.state().prevY) return "";
        if (x < 1 || x > n || y < 1 || y > n) break;
        const Piece& here = m.state().board(x, y);
        if (here.id == kEmptyId) break;
        const int side = px < x ? kFromLeft : x < px ? kFromRight : py < y ? kFromAbove : kFromBelow;
        const int dx = here.dx(side), dy = here.dy(side);
        if (dx == 0 && dy == 0) break;
        Passes& p = passes[static_cast<std::size_t>((y - 1) * n + (x - 1))];
        if (p.count++ == 0) {
            p.firstDx = dx;
            p.firstDy = dy;
        }
        px = x;
        py = y;
        x += dx;
        y += dy;
    }
    return "the water stands at " + At(m.state().flowX, m.state().flowY) + " (from " +
           At(m.state().prevX, m.state().prevY) + "), where the pipes from the inlet do not lead";
}

// The widget whose picture the cell shows by its record and the water; kNoWidget: none.
W ExpectedPicture(const Main& m, int x, int y, const Passes& p) {
    const FormWidgets& w = m.widgets();
    const Piece& r = m.state().board(x, y);
    const int n = m.state().boardSize;
    if (r.id == kEmptyId) return kNoWidget;
    if (r.isValve && x == rules::InletColumn(n) && y == n) return w.pzed[p.count ? 1 : 0];
    if (r.isValve) return (p.count ? w.ventilvoda : w.ventil)[r.id];
    if (p.count == 0) return w.trubka[r.id];
    if (r.twoChannel && p.count == 1) return w.voda[static_cast<std::size_t>(HalfPicture(r.id, p.firstDx, p.firstDy))];
    return w.voda[r.id];
}

std::string BoardViolation(const Game& g) {
    const Main& m = *g.main;
    const WidgetModel& v = g.model;
    const int n = m.state().boardSize;
    const bool playing = !v.isVisible(m.widgets().menufrm) && !v.isVisible(m.widgets().interfrm);
    std::vector<Passes> passes(static_cast<std::size_t>(n * n));
    if (std::string broken = TraceWater(m, passes); !broken.empty()) return broken;
    const int c = 500 / n;
    for (int y = 1; y <= n; ++y) {
        for (int x = 1; x <= n; ++x) {
            const int k = (y - 1) * n + (x - 1);
            const W cell = m.state().cells(x, y);
            if (k >= m.poleCount() || cell != m.pole(k))
                return "cell " + At(x, y) + " is not pole(" + std::to_string(k) + ")";
            const Widget& w = v.at(cell);
            if (!w.visible) return "cell " + At(x, y) + " hidden";
            if (w.left != 25 + (x - 1) * c || w.top != 25 + (y - 1) * c || w.width != c || w.height != c)
                return "cell " + At(x, y) + " out of place";
            const bool held = m.state().board(x, y).id != kEmptyId;
            if ((w.tag == "x") != held) return "cell " + At(x, y) + (held ? " held without" : " empty with") + " Tag x";
            if (held && w.enabled) return "held cell " + At(x, y) + " takes clicks";
            if (!held && playing && !w.enabled) return "empty cell " + At(x, y) + " locked during play";
            const Passes& p = passes[static_cast<std::size_t>(k)];
            if (m.state().board(x, y).twoChannel && (m.state().board(x, y).passedOnce != 0) != (p.count > 0))
                return "passedOnce of " + At(x, y) + " does not match the water";
            const W want = ExpectedPicture(m, x, y, p);
            if (v.readPicture(cell) != (want == kNoWidget ? kNoPicture : v.readPicture(want)))
                return "cell " + At(x, y) + " shows '" + g.picture(cell) + "' instead of '" +
                       (want == kNoWidget ? "" : g.picture(want)) + "'";
        }
    }
    for (int i = 1; i <= 4; ++i) {
        const W slot = m.widgets().nabidka[static_cast<std::size_t>(i)];
        if (v.readPicture(slot) != v.readPicture(m.widgets().trubka[m.state().offer[static_cast<std::size_t>(i)].id]))
            return "offer " + std::to_string(i) + " shows another piece than its slot holds";
        if (v.border(slot) != (i == m.state().selectedSlot ? 1 : 0)) return "frame of offer " + std::to_string(i);
    }
    return "";
}

std::string ScreenViolation(const Game& g) {
    const Main& m = *g.main;
    const WidgetModel& v = g.model;
    const int n = m.state().boardSize;
    if (m.state().level > 101) return "level " + std::to_string(m.state().level) + " beyond 101";
    if (m.state().lives > 21) return std::to_string(m.state().lives) + " lives, more than 21";
    for (int i = n * n; i < m.poleCount(); ++i) {
        if (v.isVisible(m.pole(i))) return "cell pole(" + std::to_string(i) + ") beyond the board visible";
    }
    const W tok = m.widgets().tok, countdown = m.widgets().countdowntimer;
    if (v.isEnabled(tok) && v.isEnabled(countdown)) return "tok and countdowntimer both run";
    if (v.tag(countdown) == kCountdownPaused && (v.isEnabled(countdown) || !v.isVisible(m.widgets().menufrm)))
        return "the pause mark on countdowntimer outside a paused countdown";
    const bool waits = v.isVisible(m.widgets().menufrm) || v.isVisible(m.widgets().interfrm);
    if (waits && (v.isEnabled(tok) || v.isEnabled(countdown))) return "the game's time runs under a frame";
    for (int i = 1; waits && i <= 4; ++i) {
        if (v.clickable(m.widgets().nabidka[static_cast<std::size_t>(i)])) return "an offer takes clicks under a frame";
    }
    for (int i = 0; waits && i < m.poleCount(); ++i) {
        if (v.clickable(m.pole(i))) return "cell pole(" + std::to_string(i) + ") takes clicks under a frame";
    }
    const bool playing = n > 0 && !waits;
    if (playing && !v.isEnabled(tok) && !v.isEnabled(countdown)) return "a level in play, its time standing still";
    if (playing && (m.state().lives == 0 || v.caption(m.widgets().levnum) != std::to_string(m.state().level) ||
                    v.caption(m.widgets().lzivotu) != std::to_string(m.state().lives)))
        return "a level in play with no lives, or the side panel shows other level or lives than the game has";
    if (v.isVisible(m.widgets().countdown) && !v.isEnabled(countdown) && v.tag(countdown) != kCountdownPaused)
        return "the countdown label is up with no countdown running or paused";
    // The keys: the focus on a widget that takes clicks, in the panel on top, or the board's cursor on a cell of
    // the board in play; the cursor on the board.
    const W focus = v.focus(), cursor = v.cursor();
    const auto isCell = [&](W w) { return w != kNoWidget && v.at(w).name == "pole" && v.isVisible(w); };
    if (cursor != kNoWidget && !isCell(cursor)) return "the cursor off the board";
    if (focus != kNoWidget) {
        const W top = v.isVisible(m.widgets().interfrm) ? m.widgets().interfrm
                      : v.isVisible(m.widgets().napfrm) ? m.widgets().napfrm
                      : v.isVisible(m.widgets().dframe) ? m.widgets().dframe
                                                        : m.widgets().menufrm;
        const bool onTop = v.at(focus).container == top || (top == m.widgets().menufrm && focus == m.widgets().ZKbaner);
        const bool onBoard = isCell(focus) && focus == cursor && !waits && n > 0;
        if (!(v.clickable(focus) && (onTop || !v.isVisible(top))) && !onBoard)
            return "the focus on " + v.at(focus).name + ", which can not take a click there";
        if (v.at(focus).name == "dsel") return "the focus on a hidden target of the credit line";
    }
    int texts = 0;
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 101, 301, 501, 701}) texts += v.isVisible(v.id("intertext", i));
    if (texts > 1) return std::to_string(texts) + " story texts visible";
    const bool one = v.isVisible(m.widgets().inter1), two = v.isVisible(m.widgets().inter2);
    if (one != two) return "one choice button without the other";
    if (one && v.isVisible(m.widgets().interok)) return "choice buttons and Okay together";
    return "";
}

}  // namespace

std::string FirstViolation(const Game& g) {
    if (std::string broken = ScreenViolation(g); !broken.empty()) return broken;
    if (g.main->state().boardSize > 0) return BoardViolation(g);
    return "";
}

void ExpectInStep(const Game& g) {
    const std::string broken = FirstViolation(g);
    if (!broken.empty()) ADD_FAILURE() << "level " << int(g.main->state().level) << ": " << broken;
}

}  // namespace vr::test
