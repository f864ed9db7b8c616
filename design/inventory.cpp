#include "design/inventory.h"

#include <string>
#include <utility>

#include "design/bars.h"
#include "design/fixed_texts.h"
#include "design/keys.h"
#include "design/rules.h"

namespace vr {

const char* const kWindowCaption = "Vojtik Rournik   -   hra o jednom zatopeném dni, Studio Rournik 2026";

namespace {

constexpr std::uint32_t kPanel = Hex(0x755324);
constexpr std::uint32_t kReadout = Hex(0x91bbfb);
constexpr std::uint32_t kButtonBack = Hex(0x996c2f);

const Font kButtonFont{.face = "Tahoma", .points = 11.25, .bold = true};
const Font kStoryFont{.face = "Arial", .points = 9.75};

// How a widget starts: shown, taking clicks (or, a timer, running), its
// picture at its own size, unframed; a row names only what differs.
struct Flags {
    bool visible = true;
    bool enabled = true;
    bool stretch = false;
    int border = 0;
};

// Adds widgets in the design order: the one added first lies on top among
// the widgets of its container.
class Designer {
public:
    explicit Designer(WidgetModel& m) : m_(m) {}

    // A widget of `kind` named `name` (`index` within its array, -1 alone) in
    // the container `in`; the builders below fill in the rest.
    static Widget Of(Kind kind, const char* name, int index, W in) {
        Widget w;
        w.name = name;
        w.index = index;
        w.kind = kind;
        w.container = in;
        return w;
    }

    W add(Widget w, int l, int t, int wd, int h) {
        w.left = Px(l);
        w.top = Px(t);
        w.width = Px(wd);
        w.height = Px(h);
        w.order = order_++;
        return m_.add(std::move(w));
    }

    W frame(const char* name, W in, int l, int t, int wd, int h, std::uint32_t back, Flags f = {}) {
        Widget w = Of(Kind::Frame, name, -1, in);
        w.visible = f.visible;
        w.enabled = f.enabled;
        w.backColor = back;
        return add(std::move(w), l, t, wd, h);
    }

    W label(const char* name, int index, W in, int l, int t, int wd, int h, std::string caption, std::uint32_t fore,
            Font font, Align align, std::uint32_t back = kWindowBack, Flags f = {}) {
        Widget w = Of(Kind::Label, name, index, in);
        w.caption = std::move(caption);
        w.foreColor = fore;
        w.backColor = back;
        w.font = std::move(font);
        w.align = align;
        w.visible = f.visible;
        return add(std::move(w), l, t, wd, h);
    }

    W button(const char* name, W in, int l, int t, int wd, int h, const char* caption, Flags f = {}) {
        Widget w = Of(Kind::Button, name, -1, in);
        w.caption = caption;
        w.foreColor = kSystemButtonText;
        w.backColor = kButtonBack;
        w.font = kButtonFont;
        w.align = Align::Center;
        w.visible = f.visible;
        w.enabled = f.enabled;
        return add(std::move(w), l, t, wd, h);
    }

    W image(const char* name, int index, W in, int l, int t, int wd, int h, const std::string& pic, Flags f = {}) {
        Widget w = Of(Kind::Image, name, index, in);
        w.picture = pic.empty() ? kNoPicture : m_.picture(pic);
        w.visible = f.visible;
        w.enabled = f.enabled;
        w.stretch = f.stretch;
        w.borderStyle = f.border;
        return add(std::move(w), l, t, wd, h);
    }

    W textBox(const char* name, int index, W in, int l, int t, int wd, int h, std::string text, Flags f = {}) {
        Widget w = Of(Kind::TextBox, name, index, in);
        w.caption = std::move(text);
        w.foreColor = Hex(0xe0e0e0);
        w.backColor = kPanel;
        w.font = kStoryFont;
        w.visible = f.visible;
        return add(std::move(w), l, t, wd, h);
    }

    W timer(const char* name, int interval, Flags f = {}) {
        Widget w = Of(Kind::Timer, name, -1, kNoWidget);
        w.enabled = f.enabled;
        w.interval = interval;
        w.visible = false;
        return add(std::move(w), 0, 0, 0, 0);
    }

    void bars(W in, const std::vector<Bar>& list) {
        for (const Bar& b : list) {
            Widget w = Of(Kind::Image, "lajny", barIndex_++, in);
            w.picture = m_.picture(b.piece);
            w.stretch = true;
            w.enabled = false;
            w.left = b.left;
            w.top = b.top;
            w.width = b.width;
            w.height = b.height;
            w.order = order_++;
            m_.add(std::move(w));
        }
    }

private:
    WidgetModel& m_;
    int order_ = 0;
    int barIndex_ = 0;
};

std::string Indexed(const char* name, int i) { return std::string(name) + "(" + std::to_string(i) + ")"; }

}  // namespace

void BuildWindow(WidgetModel& m) {
    Designer d(m);
    const W win = kNoWidget;

    // The panels shown over the board, topmost first.
    const W interfrm = d.frame("interfrm", win, 960, 3000, 6345, 4305, kPanel, {.visible = false});
    const W napfrm = d.frame("napfrm", win, 960, 3000, 6345, 4305, kPanel, {.visible = false});
    const W dframe = d.frame("dframe", win, 1740, 1080, 4770, 6225, Hex(0x800000), {.visible = false});
    const W menufrm = d.frame("menufrm", win, 1920, 1080, 4425, 6225, kPanel);
    const W pleasewait = d.frame("pleasewait", win, 1740, 3720, 4770, 1425, kPanel, {.visible = false});
    const W pics = d.frame("pics", win, 2640, 2160, 3255, 3255, kSystemWindow, {.visible = false, .enabled = false});

    // The story screen.
    d.label("nadpis", 5, interfrm, 240, 300, 5880, 495, "Intermezzo #X", 0,
            {.face = "Tahoma", .points = 18, .bold = true, .italic = true}, Align::Center, kPanel);
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 101, 301, 501, 701}) {
        d.textBox("intertext", i, interfrm, 240, 1080, 5860, 2295, FixedText(Indexed("intertext", i)),
                  {.visible = false});
    }
    d.button("inter1", interfrm, 360, 3480, 2655, 495, "", {.visible = false});
    d.button("inter2", interfrm, 3360, 3480, 2655, 495, "", {.visible = false});
    d.button("interok", interfrm, 360, 3480, 5655, 495, "Okay", {.visible = false});
    d.bars(interfrm, FrameBars(Px(6345), Px(4305), 56));

    // The help screen.
    d.label("nadpis", 4, napfrm, 240, 300, 5880, 495, "Intro aneb Malá Nápověda", 0,
            {.face = "Tahoma", .points = 18, .bold = true, .italic = true}, Align::Center, kPanel);
    d.textBox("naptext", -1, napfrm, 240, 1080, 5860, 2295, FixedText("naptext"));
    d.button("napok", napfrm, 360, 3480, 5655, 495, "Okay");
    d.bars(napfrm, FrameBars(Px(6345), Px(4305), 56));

    // The credits picture.
    d.image("Image1", -1, dframe, 225, 225, 4320, 5280, "Image1");
    d.label("Label3", -1, dframe, 360, 5430, 4095, 580, "Tým Rournik", Hex(0xff0000),
            {.face = "Century Gothic", .points = 26.25, .bold = true}, Align::Center, Hex(0x800000));
    d.bars(dframe, FrameBars(Px(4770), Px(6225), -1));

    // The main menu.
    for (int i : {4, 3, 2, 1, 0}) {
        static const int lefts[] = {2730, 2090, 2240, 2480, 1840};
        d.image("dsel", i, menufrm, lefts[i], 1680, 135, 255, "");
    }
    d.label("nadpis", 1, menufrm, 240, 1680, 3960, 255, "© 2026 Studio Rournik, Praha", 0,
            {.face = "Tahoma", .points = 9.75, .italic = true}, Align::Center, kSystemWindow);
    d.label("nadpis", 0, menufrm, 240, 120, 3960, 1455, "Vojtik Rournik", 0,
            {.face = "Tahoma", .points = 30.75, .bold = true, .italic = true}, Align::Center, kPanel);
    d.bars(menufrm, FrameBars(Px(4425), Px(6225), 128));
    d.label("nadpis", 2, menufrm, 240, 110, 3960, 1455, "Vojtik Rournik", Hex(0xc0c0c0),
            {.face = "Tahoma", .points = 30.75, .bold = true, .italic = true}, Align::Center, kPanel);
    d.button("novahra", menufrm, 840, 2520, 2775, 615, "Nová Hra");
    d.button("pokracovat", menufrm, 840, 3360, 2775, 615, "Pokračovat", {.enabled = false});
    d.button("help", menufrm, 840, 4200, 2775, 615, "Intro aneb Malá Nápověda");
    d.button("ukoncit", menufrm, 840, 5040, 2775, 615, "Quit to OS");

    // The please-wait notice.
    d.label("Label4", -1, pleasewait, 360, 240, 4095, 825, "Momentík...", Hex(0x00c000),
            {.face = "Century Gothic", .points = 36, .bold = true}, Align::Center, kPanel);
    d.bars(pleasewait, FrameBars(Px(4770), Px(1425), -1));

    // The template pictures, never shown.
    auto templates = [&](const char* name, int count, int l, int t) {
        for (int i = 0; i < count; ++i)
            d.image(name, i, pics, l, t, 1500, 1500, Indexed(name, i), {.visible = false, .enabled = false});
    };
    templates("ventil", 6, 120, 120);
    templates("ventilvoda", 6, 1680, 120);
    templates("trubka", 9, 120, 1680);
    templates("voda", 15, 1680, 1680);
    templates("pzed", 2, 960, 840);

    // The side panel and the board.
    d.label("countdown", -1, win, 8280, 3840, 3495, 1920, std::to_string(rules::CountdownSeconds(1)),
            rules::kCountdownGreen, {.face = "Courier New", .points = 110.25, .bold = true}, Align::Center, kWindowBack,
            {.visible = false});
    d.label("levnum", -1, win, 9240, 3840, 2415, 1455, "0", kReadout, {.face = "Tahoma", .points = 72}, Align::Center);
    d.label("Label1", -1, win, 8400, 4200, 1695, 375, "Level:", kReadout,
            {.face = "Tahoma", .points = 14.25, .bold = true, .italic = true}, Align::Left);
    d.label("lzivotu", -1, win, 8280, 4800, 975, 1335, std::to_string(rules::kStartingLives), kReadout,
            {.face = "Tahoma", .points = 48}, Align::Center);
    d.label("Label2", -1, win, 9120, 5400, 1095, 375, "Životů", kReadout,
            {.face = "Tahoma", .points = 14.25, .bold = true, .italic = true}, Align::Left);
    d.label("text", -1, win, 225, 8250, 11550, 525, "", Hex(0x000080),
            {.face = "Tahoma", .points = 21.75, .bold = true}, Align::Center);
    d.image("pole", 0, win, 360, 360, 855, 855, "", {.visible = false, .enabled = false, .stretch = true, .border = 1});
    d.image("nabidka", 1, win, 8325, 300, 1500, 1500, "", {.enabled = false});
    d.image("nabidka", 2, win, 10200, 300, 1500, 1500, "", {.enabled = false});
    d.image("nabidka", 3, win, 8325, 2175, 1500, 1500, "", {.enabled = false});
    d.image("nabidka", 4, win, 10200, 2175, 1500, 1500, "", {.enabled = false});
    d.image("menu", -1, win, 8265, 6240, 3495, 495, "menu");
    d.image("ZKbaner", -1, win, 8250, 6975, 3525, 1050, "ZKbaner");
    d.bars(win, WindowBars());

    d.timer("tok", rules::kFlowMs, {.enabled = false});
    d.timer("countdowntimer", 1000, {.enabled = false});
    d.timer("texttimer", 100);
    m.setKeyPlan(&PlanKeys);
}

}  // namespace vr
