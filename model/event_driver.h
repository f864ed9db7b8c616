// Turns clicks and the passing of time into the game's events, one at a time:
// a click reaches its handler only when the model says the widget takes clicks;
// timer ticks fire in time order (ties in the order they were scheduled), each
// handler running to its end before the next event. A key moves the keyboard's
// focus or becomes a click, and the focus never rests where a click could not go.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/keys.h"
#include "model/widget_model.h"

namespace vr {

class EventDriver {
public:
    explicit EventDriver(WidgetModel& model) : model_(model) {}

    // A click on a widget; true when it reached a handler.
    bool click(W w);
    bool click(std::string_view name, int index = -1) {
        return click(index < 0 ? model_.id(name) : model_.id(name, index));
    }

    // A key pressed, or repeated while held: Tab and the arrows move the focus
    // (the first key on a screen only shows it), Enter and Space click the
    // focused widget, other keys the widget the screen names for them. A held
    // key's repeats only move the focus. True when a click reached a handler.
    bool key(Key k, bool repeat = false);

    // Virtual time: fires every tick due up to now + ms, then stands at now + ms.
    void advance(std::int64_t ms) { advanceTo(model_.now() + ms); }
    void advanceTo(std::int64_t t);
    // Fires only the next due tick (if any is due by `limit`); true when one fired.
    bool step(std::int64_t limit);
    // One tick of a running timer now, ahead of its time, the next one an
    // interval later: for tools that draw the game at chosen moments.
    bool tick(W timer);

    // The time of the next tick of any timer; -1 when none runs.
    std::int64_t nextDue() const;

    // On a real clock a tick that falls a whole interval behind (a suspended
    // machine) is not caught up with a burst of ticks: the next comes one
    // interval after the late one.
    void setRealClock(bool real) { realClock_ = real; }

    // After the program has been told to end, no further event runs.
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

    std::uint64_t eventCount() const { return events_; }

private:
    void fire(W timer, std::int64_t from);
    // The screen that shows, as the design tells it.
    void screen(KeyScreen& s) const;
    // After every event: a focus that can no longer be used goes to the
    // screen's start; on the board it is the board's cursor.
    void settle();
    void settle(const KeyScreen& s);
    void move(const KeyScreen& s, Key k);

    WidgetModel& model_;
    bool realClock_ = false;
    bool stopped_ = false;
    std::uint64_t events_ = 0;
    // What the focus was last settled on: a tick that changes neither needs no new look.
    std::uint64_t settledChanges_ = ~0ull;
    W settledFocus_ = kNoWidget;
};

}  // namespace vr
