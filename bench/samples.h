// Timing one iteration at a time: a frame of the window is a few milliseconds
// and the machine is shared, so each benchmark keeps every iteration's time
// and reports the median, which a stray stall elsewhere does not move.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace vr::bench {

class Samples {
public:
    void start() { t0_ = Clock::now(); }
    void stop(benchmark::State& state) {
        const double s = std::chrono::duration<double>(Clock::now() - t0_).count();
        state.SetIterationTime(s);
        ms_.push_back(s * 1e3);
    }
    double medianMs() const;

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point t0_;
    std::vector<double> ms_;
};

// The medians of every benchmark run so far, by name, in milliseconds.
std::map<std::string, double>& Medians();

// Registers a benchmark timed through `Samples`; its median is shown as the
// counter "median_ms" and kept in Medians() under `name`.
using Body = void (*)(benchmark::State&, Samples&, int);
benchmark::internal::Benchmark* Add(const std::string& name, Body body, int arg = 0);

void AddLogicBenchmarks();
void AddWindowBenchmarks();

}  // namespace vr::bench
