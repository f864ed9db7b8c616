// The keys the game answers, and what the window's design tells them about the
// screen that shows. A key only ever moves the focus or becomes a click on a
// widget; the event driver (model/event_driver.h) does the rest.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/widget_model.h"

namespace vr {

enum class Key : std::uint8_t {
    Tab,
    BackTab,
    Left,
    Right,
    Up,
    Down,
    Enter,
    Space,
    Escape,
    P,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
};
constexpr int kKeyCount = 14;

// Widgets the arrow keys move between, in reading order. A group that is one
// stop of Tab (the board) keeps a cursor that may rest on any of its members
// shown, while any member takes clicks; in any other group each member that
// takes clicks is a stop of its own.
struct FocusGroup {
    std::vector<W> members;
    bool oneStop = false;
};

// The screen that shows, as the keys see it: its groups in Tab order, where
// the focus starts, and the widget each key presses whatever has the focus.
struct KeyScreen {
    std::vector<FocusGroup> groups;
    W start = kNoWidget;
    std::array<W, kKeyCount> presses{};
};

}  // namespace vr
