// The window's widgets as plain data: every widget of the game's window with
// the properties the game reads and writes, the view operations through which
// the game logic drives them, the record of what changed (so a front end can
// redraw only that) and the one rule that decides what takes a click.
//
// No toolkit here: the Qt front end mirrors this model, and the tests run the
// game on it alone.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vr {

// A handle of a widget in the model (its slot number); -1 is "no widget".
using W = int;
constexpr W kNoWidget = -1;

enum class Kind : std::uint8_t { Frame, Label, TextBox, Button, Image, Timer };

enum class Align : std::uint8_t { Left, Center };

// Colours in the window's 0x00BBGGRR form.
constexpr std::uint32_t RGB(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(b) << 16);
}
// #rrggbb as written in the design tables.
constexpr std::uint32_t Hex(std::uint32_t rrggbb) {
    return RGB(static_cast<int>(rrggbb >> 16) & 0xff, static_cast<int>(rrggbb >> 8) & 0xff,
               static_cast<int>(rrggbb) & 0xff);
}
// The desktop's own colours, resolved by the front end.
constexpr std::uint32_t kSystemWindow = 0x80000005u;
constexpr std::uint32_t kSystemButtonText = 0x80000012u;
constexpr std::uint32_t kNoColor = 0xffffffffu;

struct Font {
    std::string face;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// A picture is a reference to a named asset ("trubka(3)", "menu"); 0 is none.
using Picture = std::uint16_t;
constexpr Picture kNoPicture = 0;

// Bits of Widget::dirty: which properties changed since the front end looked.
enum Dirty : std::uint8_t {
    kDirtyVisible = 1u << 0,
    kDirtyEnabled = 1u << 1,
    kDirtyCaption = 1u << 2,
    kDirtyColor = 1u << 3,
    kDirtyPicture = 1u << 4,
    kDirtyBorder = 1u << 5,
    kDirtyGeometry = 1u << 6,
    kDirtyAll = 0x7fu,
    kDirtyFocus = 1u << 7,  // took or lost the keyboard's focus, or its mark shows or hides
};

struct KeyScreen;
class WidgetModel;
// What the window's design tells the keys about the screen that shows (model/keys.h).
using KeyPlan = void (*)(const WidgetModel& model, KeyScreen& screen);

struct Widget {
    std::string name;
    int index = -1;  // -1: not an array member
    Kind kind = Kind::Label;
    W container = kNoWidget;                       // kNoWidget: the window itself
    int left = 0, top = 0, width = 0, height = 0;  // pixels, in the container
    bool visible = true;
    bool enabled = true;
    std::string caption;  // caption of labels and buttons, text of text boxes
    std::uint32_t foreColor = kNoColor;
    std::uint32_t backColor = kNoColor;
    Font font;
    Align align = Align::Left;
    Picture picture = kNoPicture;
    bool stretch = false;
    int borderStyle = 0;
    std::string tag;
    int order = 0;     // design order: among widgets of one container, lower is on top
    int interval = 0;  // timers only, milliseconds
    std::uint32_t dirty = kDirtyAll;
};

class WidgetModel {
public:
    WidgetModel();

    // --- building the window (design state) ---
    W add(Widget w);
    Picture picture(std::string_view assetName);  // registers the asset name once
    const std::string& pictureName(Picture p) const;
    std::size_t pictureCount() const { return pictureNames_.size(); }

    // --- looking widgets up; a widget that does not exist is a programming error ---
    W id(std::string_view name) const;
    W id(std::string_view name, int index) const;
    bool exists(std::string_view name, int index = -1) const;
    const Widget& at(W w) const;
    std::size_t size() const { return widgets_.size(); }

    // --- the view operations the game logic uses ---
    void show(W w, bool visible);
    void enable(W w, bool enabled);
    bool isEnabled(W w) const;
    bool isVisible(W w) const;
    void setCaption(W w, std::string caption);
    const std::string& caption(W w) const;
    void setTextColor(W w, std::uint32_t color);
    void copyPicture(W target, W source);
    Picture readPicture(W w) const;
    void setPicture(W w, Picture p);
    void setBorder(W w, int style);
    int border(W w) const;
    void setTag(W w, std::string tag);
    const std::string& tag(W w) const;
    void move(W w, int left, int top, int width, int height);
    // Creates member `index` of an array as a copy of member 0, hidden.
    W loadMember(std::string_view array, int index);
    int memberCount(std::string_view array) const;
    // The members of an array by index; kNoWidget where an index has none.
    const std::vector<W>& members(std::string_view array) const;
    // Timers: enabling at time t gives the first tick at t + Interval; a new
    // Interval takes effect from the next tick; disabling cancels the pending tick.
    void setTimer(W timer, bool enabled);
    void setInterval(W timer, int ms);
    int interval(W timer) const;

    // --- the one rule of what takes a click: the widget and every container
    // above it visible and enabled, and the widget of a kind that raises clicks ---
    bool clickable(W w) const;
    // Visible on screen: itself and every container visible.
    bool shown(W w) const;

    // --- the keyboard's focus: one widget or none, marked on screen only once
    // a key has been used; and the board's cursor, where the focus rests on
    // the board and comes back to ---
    W focus() const { return focus_; }
    void setFocus(W w);
    bool focusVisible() const { return focusVisible_; }
    void setFocusVisible(bool visible);
    W cursor() const { return cursor_; }
    void setCursor(W w) { cursor_ = w; }
    KeyPlan keyPlan() const { return keyPlan_; }
    // Counts the changes of what shows and what is enabled: while it stands
    // still, no widget has come to take clicks or ceased to.
    std::uint64_t shownOrEnabledChanges() const { return shownOrEnabled_; }
    void setKeyPlan(KeyPlan plan) { keyPlan_ = plan; }

    // --- events: handlers the logic binds by widget name (an array's handler
    // gets the member index, -1 for a plain widget), delivered by the event driver ---
    using Handler = std::function<void(int index)>;
    void onClick(std::string_view name, Handler handler);
    void onTick(std::string_view timerName, Handler handler);
    const Handler& clickHandler(W w) const;
    const Handler& tickHandler(W w) const;

    // --- the clock the timers run on (milliseconds since start) ---
    std::int64_t now() const { return now_; }
    void setNow(std::int64_t t) { now_ = t; }
    // When the timer ticks next; -1 while it is disabled.
    std::int64_t due(W timer) const;
    // Scheduling of a tick that has just fired: the next one follows one interval on.
    void rearm(W timer, std::int64_t from);
    std::uint64_t dueSeq(W timer) const;
    const std::vector<W>& timers() const { return timers_; }

    // --- what changed since the front end last looked ---
    struct Change {
        W w;
        std::uint32_t bits;
    };
    std::vector<Change> takeChanges();

private:
    Widget& mut(W w);
    void touch(W w, std::uint32_t bits);

    std::vector<Widget> widgets_;
    int handlerSlot(std::string_view name);
    std::vector<int> slotOf_;  // per widget: its name's slot in the handler tables
    std::unordered_map<std::string, int> slots_;
    std::vector<Handler> clickHandlers_;
    std::vector<Handler> tickHandlers_;
    std::vector<std::int64_t> due_;
    std::vector<std::uint64_t> dueSeq_;
    std::uint64_t seq_ = 0;
    struct Array {
        std::vector<W> slots;
        int count = 0;
    };  // slots by member index
    std::unordered_map<std::string, Array> arrays_;
    std::unordered_map<std::string, W> plain_;  // widgets that are no array members
    std::vector<std::string> pictureNames_;
    std::unordered_map<std::string, Picture> pictureIds_;
    std::vector<W> timers_;
    std::vector<W> changed_;
    std::int64_t now_ = 0;
    W focus_ = kNoWidget;
    W cursor_ = kNoWidget;
    bool focusVisible_ = false;
    std::uint64_t shownOrEnabled_ = 0;
    KeyPlan keyPlan_ = nullptr;
};

}  // namespace vr
