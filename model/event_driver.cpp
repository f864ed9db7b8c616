#include "model/event_driver.h"

#include <algorithm>
#include <cstdlib>

namespace vr {

namespace {

// A group the focus may rest in: one of its members takes clicks.
bool Live(const WidgetModel& m, const FocusGroup& g) {
    return std::any_of(g.members.begin(), g.members.end(), [&](W w) { return m.clickable(w); });
}

// Where a member of a group can take the focus: a cursor on any member that
// shows, else only on one that takes clicks.
bool Reachable(const WidgetModel& m, const FocusGroup& g, W w) { return g.oneStop ? m.shown(w) : m.clickable(w); }

// The group the focus can rest in on this screen, -1 where it can not.
int GroupOf(const WidgetModel& m, const KeyScreen& s, W w) {
    if (w == kNoWidget) return -1;
    for (std::size_t i = 0; i < s.groups.size(); ++i) {
        const FocusGroup& g = s.groups[i];
        if (std::find(g.members.begin(), g.members.end(), w) == g.members.end()) continue;
        const bool ok = g.oneStop ? m.shown(w) && (m.clickable(w) || Live(m, g)) : m.clickable(w);
        return ok ? static_cast<int>(i) : -1;
    }
    return -1;
}

// The stops of Tab in order: a one-stop group at its cursor.
std::vector<W> Stops(const WidgetModel& m, const KeyScreen& s) {
    std::vector<W> stops;
    for (const FocusGroup& g : s.groups) {
        if (!g.oneStop) {
            for (W w : g.members) {
                if (m.clickable(w)) stops.push_back(w);
            }
            continue;
        }
        if (!Live(m, g)) continue;
        W at = kNoWidget;
        for (W w : g.members) {
            if ((w == m.cursor() || at == kNoWidget) && m.shown(w)) at = w;
        }
        stops.push_back(at);
    }
    return stops;
}

}  // namespace

bool EventDriver::click(W w) {
    if (stopped_ || !model_.clickable(w)) return false;
    const auto& handler = model_.clickHandler(w);
    if (!handler) return false;
    ++events_;
    handler(model_.at(w).index);
    settle();
    return true;
}

void EventDriver::screen(KeyScreen& s) const {
    s.groups.clear();
    s.start = kNoWidget;
    s.presses.fill(kNoWidget);
    if (const KeyPlan plan = model_.keyPlan()) plan(model_, s);
}

void EventDriver::settle() {
    if (model_.focus() == kNoWidget && !model_.focusVisible()) return;
    // The ticker's ticks change only its line: nothing the focus rests on.
    if (model_.shownOrEnabledChanges() == settledChanges_ && model_.focus() == settledFocus_) return;
    KeyScreen s;
    screen(s);
    settle(s);
}

void EventDriver::settle(const KeyScreen& s) {
    W f = model_.focus();
    int g = GroupOf(model_, s, f);
    if (g < 0) {
        // A player on the keys finds the focus on the new screen; for a player
        // on the mouse it waits for the first key.
        f = kNoWidget;
        if (model_.focusVisible()) {
            f = s.start;
            if (GroupOf(model_, s, f) < 0) {
                const std::vector<W> stops = Stops(model_, s);
                f = stops.empty() ? kNoWidget : stops.front();
            }
        }
        g = GroupOf(model_, s, f);
        model_.setFocus(f);
    }
    if (g >= 0 && s.groups[static_cast<std::size_t>(g)].oneStop) model_.setCursor(f);
    settledChanges_ = model_.shownOrEnabledChanges();
    settledFocus_ = f;
}

bool EventDriver::key(Key k, bool repeat) {
    if (stopped_) return false;
    KeyScreen s;
    screen(s);
    const bool marked = model_.focusVisible() && GroupOf(model_, s, model_.focus()) >= 0;
    model_.setFocusVisible(true);
    settle(s);
    if (k <= Key::Down) {
        // The first key only shows where the focus is.
        if (marked) move(s, k);
        return false;
    }
    if (repeat) return false;
    const W target = k == Key::Enter || k == Key::Space ? model_.focus() : s.presses[static_cast<std::size_t>(k)];
    return target != kNoWidget && click(target);
}

void EventDriver::move(const KeyScreen& s, Key k) {
    const W f = model_.focus();
    if (k == Key::Tab || k == Key::BackTab) {
        const std::vector<W> stops = Stops(model_, s);
        if (stops.empty()) return;
        const auto n = static_cast<std::ptrdiff_t>(stops.size());
        const std::ptrdiff_t at = std::find(stops.begin(), stops.end(), f) - stops.begin();
        const std::ptrdiff_t next = at == n ? 0 : (at + (k == Key::Tab ? 1 : n - 1)) % n;
        model_.setFocus(stops[static_cast<std::size_t>(next)]);
        settle(s);
        return;
    }
    const int gi = GroupOf(model_, s, f);
    if (gi < 0) return;
    const FocusGroup& g = s.groups[static_cast<std::size_t>(gi)];
    // The nearest member that way whose row (or column) meets the focus's.
    const Widget& a = model_.at(f);
    const bool across = k == Key::Left || k == Key::Right;
    const int sign = k == Key::Left || k == Key::Up ? -1 : 1;
    W best = kNoWidget;
    long bestAhead = 0, bestAside = 0;
    for (W w : g.members) {
        if (w == f) continue;
        const Widget& b = model_.at(w);
        const long dx = (2L * b.left + b.width) - (2L * a.left + a.width);
        const long dy = (2L * b.top + b.height) - (2L * a.top + a.height);
        const long ahead = sign * (across ? dx : dy), aside = std::labs(across ? dy : dx);
        const bool meets = across ? b.top < a.top + a.height && a.top < b.top + b.height
                                  : b.left < a.left + a.width && a.left < b.left + b.width;
        if (ahead <= 0 || !meets || !Reachable(model_, g, w)) continue;
        if (best == kNoWidget || ahead < bestAhead || (ahead == bestAhead && aside < bestAside)) {
            best = w;
            bestAhead = ahead;
            bestAside = aside;
        }
    }
    // Buttons side by side answer Up and Down too, in their group's order; a
    // cursor stays at the edge.
    if (best == kNoWidget && !g.oneStop) {
        const auto at = std::find(g.members.begin(), g.members.end(), f) - g.members.begin();
        for (auto i = at + sign; i >= 0 && i < static_cast<std::ptrdiff_t>(g.members.size()); i += sign) {
            if (Reachable(model_, g, g.members[static_cast<std::size_t>(i)])) {
                best = g.members[static_cast<std::size_t>(i)];
                break;
            }
        }
    }
    if (best == kNoWidget) return;
    model_.setFocus(best);
    if (g.oneStop) model_.setCursor(best);
}

std::int64_t EventDriver::nextDue() const {
    if (stopped_) return -1;
    std::int64_t best = -1;
    std::uint64_t bestSeq = 0;
    for (W t : model_.timers()) {
        const std::int64_t d = model_.due(t);
        if (d < 0) continue;
        if (best < 0 || d < best || (d == best && model_.dueSeq(t) < bestSeq)) {
            best = d;
            bestSeq = model_.dueSeq(t);
        }
    }
    return best;
}

bool EventDriver::step(std::int64_t limit) {
    if (stopped_) return false;
    W next = kNoWidget;
    for (W t : model_.timers()) {
        const std::int64_t d = model_.due(t);
        if (d < 0 || d > limit) continue;
        if (next == kNoWidget || d < model_.due(next) ||
            (d == model_.due(next) && model_.dueSeq(t) < model_.dueSeq(next))) {
            next = t;
        }
    }
    if (next == kNoWidget) return false;
    const std::int64_t at = model_.due(next);
    if (at > model_.now()) model_.setNow(at);
    std::int64_t from = at;
    if (realClock_ && limit - at >= model_.interval(next)) from = limit;
    fire(next, from);
    return true;
}

bool EventDriver::tick(W timer) {
    if (stopped_ || model_.due(timer) < 0) return false;
    fire(timer, model_.now());
    return true;
}

void EventDriver::fire(W timer, std::int64_t from) {
    // The next tick is scheduled before the handler runs, so that the handler
    // can stop its own timer or give it a new pace.
    model_.rearm(timer, from);
    ++events_;
    if (const auto& handler = model_.tickHandler(timer)) handler(-1);
    settle();
}

void EventDriver::advanceTo(std::int64_t t) {
    while (step(t)) {
    }
    if (!stopped_ && t > model_.now()) model_.setNow(t);
}

}  // namespace vr
