// The chance of a test.
#pragma once

#include <deque>
#include <initializer_list>

#include "game/random.h"
#include "ui/model/check.h"

namespace vr::test {

// For tests: hands out exactly the draws it was given, in order, and stops
// the test loudly when the game asks for one more than scripted.
class ScriptedRandom : public Random {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> draws) : draws_(draws) {}
    void push(double r) { draws_.push_back(r); }
    void seed(std::uint32_t) override {}
    double next() override {
        VR_CHECK(!draws_.empty(), "the game drew random number #%llu, but only %llu were scripted",
                 static_cast<unsigned long long>(drawn_ + 1), static_cast<unsigned long long>(drawn_));
        const double r = draws_.front();
        draws_.pop_front();
        ++drawn_;
        return r;
    }
    std::size_t left() const { return draws_.size(); }
    std::uint64_t drawn() const { return drawn_; }

private:
    std::deque<double> draws_;
    std::uint64_t drawn_ = 0;
};

}  // namespace vr::test
