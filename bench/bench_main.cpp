// vr-bench: the game's deal, water and redraw against plain work of the same
// size, timed in this one run. With --summary=FILE it also writes the median
// of every benchmark to FILE, one "name milliseconds" a line, for bench/run.
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/samples.h"
#include "qt/game_window.h"

namespace vr::bench {

double Samples::medianMs() const {
    if (ms_.empty()) return 0;
    std::vector<double> v = ms_;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    if (v.size() % 2 == 1) return *mid;
    return (*mid + *std::max_element(v.begin(), mid)) / 2;
}

std::map<std::string, double>& Medians() {
    static std::map<std::string, double> m;
    return m;
}

benchmark::internal::Benchmark* Add(const std::string& name, Body body, int arg) {
    return benchmark::RegisterBenchmark(name.c_str(),
                                        [name, body, arg](benchmark::State& state) {
                                            Samples s;
                                            body(state, s, arg);
                                            const double median = s.medianMs();
                                            state.counters["median_ms"] = median;
                                            Medians()[name] = median;
                                        })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace vr::bench

int main(int argc, char** argv) {
    std::string summary;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--summary=", 10) == 0) {
            summary = argv[i] + 10;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;

    // The window is drawn into memory: the same painting, no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto app = vr::qt::StartApplication(argv[0]);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vr::bench::AddLogicBenchmarks();
    vr::bench::AddWindowBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    if (!summary.empty()) {
        std::FILE* f = std::fopen(summary.c_str(), "w");
        if (!f) {
            std::perror(summary.c_str());
            return 1;
        }
        for (const auto& [name, ms] : vr::bench::Medians()) std::fprintf(f, "%s %.4f\n", name.c_str(), ms);
        std::fclose(f);
    }
    return 0;
}
