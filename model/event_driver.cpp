#include "model/event_driver.h"

namespace vr {

bool EventDriver::click(W w) {
    if (stopped_ || !model_.clickable(w)) return false;
    const auto& handler = model_.clickHandler(w);
    if (!handler) return false;
    ++events_;
    handler(model_.at(w).index);
    return true;
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
}

void EventDriver::advanceTo(std::int64_t t) {
    while (step(t)) {
    }
    if (!stopped_ && t > model_.now()) model_.setNow(t);
}

}  // namespace vr
