#include "model/widget_model.h"

#include <cstdio>
#include <cstdlib>

#include "model/check.h"

namespace vr {

WidgetModel::WidgetModel() {
    pictureNames_.emplace_back();  // slot 0: no picture
}

W WidgetModel::add(Widget w) {
    const W handle = static_cast<W>(widgets_.size());
    if (w.index < 0) {
        VR_CHECK(plain_.find(w.name) == plain_.end(), "widget %s added twice", w.name.c_str());
        plain_.emplace(w.name, handle);
    } else {
        Array& a = arrays_[w.name];
        if (static_cast<int>(a.slots.size()) <= w.index) a.slots.resize(w.index + 1, kNoWidget);
        VR_CHECK(a.slots[w.index] == kNoWidget, "member %s(%d) added twice", w.name.c_str(), w.index);
        a.slots[w.index] = handle;
        ++a.count;
    }
    if (w.kind == Kind::Timer) timers_.push_back(handle);
    w.dirty = kDirtyAll;
    const bool timerOn = w.kind == Kind::Timer && w.enabled;
    slotOf_.push_back(handlerSlot(w.name));
    widgets_.push_back(std::move(w));
    due_.push_back(-1);
    dueSeq_.push_back(0);
    if (timerOn) rearm(handle, now_);
    changed_.push_back(handle);
    return handle;
}

Picture WidgetModel::picture(std::string_view assetName) {
    std::string name(assetName);
    auto it = pictureIds_.find(name);
    if (it != pictureIds_.end()) return it->second;
    const auto p = static_cast<Picture>(pictureNames_.size());
    pictureNames_.push_back(name);
    pictureIds_.emplace(std::move(name), p);
    return p;
}

const std::string& WidgetModel::pictureName(Picture p) const {
    VR_CHECK(p < pictureNames_.size(), "no picture %u", unsigned(p));
    return pictureNames_[p];
}

W WidgetModel::id(std::string_view name) const {
    auto it = plain_.find(std::string(name));
    VR_CHECK(it != plain_.end(), "no widget named %.*s", int(name.size()), name.data());
    return it->second;
}

W WidgetModel::id(std::string_view name, int index) const {
    auto it = arrays_.find(std::string(name));
    VR_CHECK(it != arrays_.end(), "no widget array named %.*s", int(name.size()), name.data());
    const auto& slots = it->second.slots;
    VR_CHECK(index >= 0 && index < static_cast<int>(slots.size()) && slots[index] != kNoWidget, "no member %.*s(%d)",
             int(name.size()), name.data(), index);
    return slots[index];
}

bool WidgetModel::exists(std::string_view name, int index) const {
    if (index < 0) return plain_.count(std::string(name)) != 0;
    auto it = arrays_.find(std::string(name));
    if (it == arrays_.end()) return false;
    const auto& slots = it->second.slots;
    return index < static_cast<int>(slots.size()) && slots[index] != kNoWidget;
}

const Widget& WidgetModel::at(W w) const {
    VR_CHECK(w >= 0 && w < static_cast<W>(widgets_.size()), "no widget #%d", w);
    return widgets_[w];
}

Widget& WidgetModel::mut(W w) {
    VR_CHECK(w >= 0 && w < static_cast<W>(widgets_.size()), "no widget #%d", w);
    return widgets_[w];
}

void WidgetModel::touch(W w, std::uint32_t bits) {
    Widget& x = widgets_[w];
    if (x.dirty == 0) changed_.push_back(w);
    x.dirty |= bits;
}

void WidgetModel::show(W w, bool visible) {
    Widget& x = mut(w);
    if (x.visible == visible) return;
    x.visible = visible;
    ++shownOrEnabled_;
    touch(w, kDirtyVisible);
}

void WidgetModel::enable(W w, bool enabled) {
    Widget& x = mut(w);
    if (x.kind == Kind::Timer) {
        setTimer(w, enabled);
        return;
    }
    if (x.enabled == enabled) return;
    x.enabled = enabled;
    ++shownOrEnabled_;
    touch(w, kDirtyEnabled);
}

bool WidgetModel::isEnabled(W w) const { return at(w).enabled; }
bool WidgetModel::isVisible(W w) const { return at(w).visible; }

void WidgetModel::setCaption(W w, std::string caption) {
    Widget& x = mut(w);
    if (x.caption == caption) return;
    x.caption = std::move(caption);
    touch(w, kDirtyCaption);
}

const std::string& WidgetModel::caption(W w) const { return at(w).caption; }

void WidgetModel::setTextColor(W w, std::uint32_t color) {
    Widget& x = mut(w);
    if (x.foreColor == color) return;
    x.foreColor = color;
    touch(w, kDirtyColor);
}

void WidgetModel::copyPicture(W target, W source) { setPicture(target, at(source).picture); }

Picture WidgetModel::readPicture(W w) const { return at(w).picture; }

void WidgetModel::setPicture(W w, Picture p) {
    Widget& x = mut(w);
    VR_CHECK(x.kind == Kind::Image, "%s is no image", x.name.c_str());
    if (x.picture == p) return;
    x.picture = p;
    touch(w, kDirtyPicture);
}

void WidgetModel::setBorder(W w, int style) {
    Widget& x = mut(w);
    if (x.borderStyle == style) return;
    x.borderStyle = style;
    touch(w, kDirtyBorder);
}

int WidgetModel::border(W w) const { return at(w).borderStyle; }

void WidgetModel::setTag(W w, std::string tag) { mut(w).tag = std::move(tag); }

const std::string& WidgetModel::tag(W w) const { return at(w).tag; }

void WidgetModel::move(W w, int left, int top, int width, int height) {
    Widget& x = mut(w);
    if (x.left == left && x.top == top && x.width == width && x.height == height) return;
    x.left = left;
    x.top = top;
    x.width = width;
    x.height = height;
    touch(w, kDirtyGeometry);
}

W WidgetModel::loadMember(std::string_view array, int index) {
    Widget copy = at(id(array, 0));
    copy.index = index;
    copy.visible = false;
    copy.tag.clear();
    return add(std::move(copy));
}

int WidgetModel::memberCount(std::string_view array) const {
    auto it = arrays_.find(std::string(array));
    VR_CHECK(it != arrays_.end(), "no widget array named %.*s", int(array.size()), array.data());
    return it->second.count;
}

const std::vector<W>& WidgetModel::members(std::string_view array) const {
    auto it = arrays_.find(std::string(array));
    VR_CHECK(it != arrays_.end(), "no widget array named %.*s", int(array.size()), array.data());
    return it->second.slots;
}

void WidgetModel::setFocus(W w) {
    if (w == focus_) return;
    if (focus_ != kNoWidget) touch(focus_, kDirtyFocus);
    if (w != kNoWidget) {
        mut(w);
        touch(w, kDirtyFocus);
    }
    focus_ = w;
}

void WidgetModel::setFocusVisible(bool visible) {
    if (visible == focusVisible_) return;
    focusVisible_ = visible;
    if (focus_ != kNoWidget) touch(focus_, kDirtyFocus);
}

void WidgetModel::setTimer(W timer, bool enabled) {
    Widget& x = mut(timer);
    VR_CHECK(x.kind == Kind::Timer, "%s is no timer", x.name.c_str());
    if (x.enabled == enabled) return;
    x.enabled = enabled;
    if (enabled) {
        rearm(timer, now_);
    } else {
        due_[timer] = -1;
    }
}

void WidgetModel::setInterval(W timer, int ms) {
    Widget& x = mut(timer);
    VR_CHECK(x.kind == Kind::Timer, "%s is no timer", x.name.c_str());
    if (x.interval == ms) return;
    x.interval = ms;
    // A running timer starts counting its new interval from now: set inside a
    // tick, it gives the time of the following tick.
    if (x.enabled) rearm(timer, now_);
}

int WidgetModel::interval(W timer) const { return at(timer).interval; }

std::int64_t WidgetModel::due(W timer) const { return at(timer).kind == Kind::Timer ? due_[timer] : -1; }

std::uint64_t WidgetModel::dueSeq(W timer) const { return dueSeq_[timer]; }

void WidgetModel::rearm(W timer, std::int64_t from) {
    const Widget& x = at(timer);
    if (!x.enabled || x.interval <= 0) {
        due_[timer] = -1;
        return;
    }
    due_[timer] = from + x.interval;
    dueSeq_[timer] = ++seq_;
}

bool WidgetModel::shown(W w) const {
    for (W c = w; c != kNoWidget; c = at(c).container) {
        if (!at(c).visible) return false;
    }
    return true;
}

bool WidgetModel::clickable(W w) const {
    const Widget& x = at(w);
    if (x.kind != Kind::Image && x.kind != Kind::Button) return false;
    for (W c = w; c != kNoWidget; c = at(c).container) {
        const Widget& y = at(c);
        if (!y.visible || !y.enabled) return false;
    }
    return true;
}

int WidgetModel::handlerSlot(std::string_view name) {
    auto [it, fresh] = slots_.emplace(std::string(name), static_cast<int>(clickHandlers_.size()));
    if (fresh) {
        clickHandlers_.emplace_back();
        tickHandlers_.emplace_back();
    }
    return it->second;
}

void WidgetModel::onClick(std::string_view name, Handler handler) {
    clickHandlers_[handlerSlot(name)] = std::move(handler);
}

void WidgetModel::onTick(std::string_view timerName, Handler handler) {
    VR_CHECK(at(id(timerName)).kind == Kind::Timer, "%.*s is no timer", int(timerName.size()), timerName.data());
    tickHandlers_[handlerSlot(timerName)] = std::move(handler);
}

const WidgetModel::Handler& WidgetModel::clickHandler(W w) const {
    at(w);
    return clickHandlers_[slotOf_[w]];
}

const WidgetModel::Handler& WidgetModel::tickHandler(W w) const {
    at(w);
    return tickHandlers_[slotOf_[w]];
}

std::vector<WidgetModel::Change> WidgetModel::takeChanges() {
    std::vector<Change> out;
    out.reserve(changed_.size());
    for (W w : changed_) {
        out.push_back({w, widgets_[w].dirty});
        widgets_[w].dirty = 0;
    }
    changed_.clear();
    return out;
}

}  // namespace vr
