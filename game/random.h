// The program's one source of chance: uniform numbers in [0, 1). The game
// draws only when it deals a level and when it refills the offer.
#pragma once

#include <cstdint>
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

}  // namespace vr
