// The program's one source of chance: uniform numbers in [0, 1). The game
// draws only when it deals a level and when it refills the offer.
#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace vr {

class Random {
public:
    virtual ~Random() = default;
    virtual void seed(std::uint32_t seed) = 0;
    virtual double next() = 0;  // uniform in [0, 1)
    // Int(r x k): 0 .. k - 1.
    int below(int k) { return static_cast<int>(next() * k); }
};

// The game's generator: reproducible from its seed.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint32_t s = 0) { seed(s); }
    void seed(std::uint32_t s) override { engine_.seed(s); }
    double next() override;

private:
    std::mt19937 engine_;
};

// For tests: hands out exactly the draws it was given, in order, and stops
// the test loudly when the game asks for one more than scripted.
class ScriptedRandom : public Random {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> draws) : draws_(draws) {}
    void push(double r) { draws_.push_back(r); }
    void seed(std::uint32_t) override {}
    double next() override;
    std::size_t left() const { return draws_.size(); }
    std::uint64_t drawn() const { return drawn_; }

private:
    std::deque<double> draws_;
    std::uint64_t drawn_ = 0;
};

}  // namespace vr
