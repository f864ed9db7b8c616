#include "game/random.h"

#include "ui/model/check.h"

namespace vr {

double SeededRandom::next() {
    // 32 random bits scaled into [0, 1); never 1.
    return static_cast<double>(engine_()) / 4294967296.0;
}

double ScriptedRandom::next() {
    VR_CHECK(!draws_.empty(), "the game drew random number #%llu, but only %llu were scripted",
             static_cast<unsigned long long>(drawn_ + 1), static_cast<unsigned long long>(drawn_));
    const double r = draws_.front();
    draws_.pop_front();
    ++drawn_;
    return r;
}

}  // namespace vr
