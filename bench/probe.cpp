// vr-bench-probe: the game's window opened exactly as the game opens it (the
// same application set-up, the same window), measured from inside:
//   startup LAUNCHED  the first frame after launch, and the peak memory
//   idle SECONDS      CPU time at the menu, the ticker running
//   ticker CYCLES     the real length of the ticker's cycles: the moments
//                     the game clears the line, read from the window's model
#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/probe_common.h"
#include "design/ticker_table.h"
#include "qt/fonts.h"
#include "qt/game_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Looks at the model every millisecond and notes each moment its line of
// text has just been cleared; after `cycles` whole cycles it prints them.
void WatchTicker(vr::qt::GameWindow& window, int cycles) {
    auto* poll = new QTimer(&window);
    poll->setTimerType(Qt::PreciseTimer);
    auto clears = std::make_shared<std::vector<double>>();
    auto lastStep = std::make_shared<int>(-1);
    const vr::W text = window.game().widgets().text;
    QObject::connect(poll, &QTimer::timeout, [&window, clears, lastStep, cycles, text] {
        const int step = window.game().state().textStep;
        const bool cleared = step == 1 && *lastStep != 1 && window.model().caption(text).empty();
        *lastStep = step;
        if (!cleared) return;
        clears->push_back(std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count());
        const int done = static_cast<int>(clears->size()) - 1;
        if (done > 0)
            std::fprintf(stderr, "  ticker cycle %d of %d: %.1f ms\n", done, cycles,
                         clears->back() - (*clears)[done - 1]);
        if (done < cycles) return;
        const double expected = vr::TickerCycleMs(vr::TickerSteps());
        double worst = (*clears)[1] - (*clears)[0];
        for (int k = 2; k <= cycles; ++k) {
            const double c = (*clears)[k] - (*clears)[k - 1];
            if (std::abs(c - expected) > std::abs(worst - expected)) worst = c;
        }
        const double mean = (clears->back() - clears->front()) / cycles;
        vr::bench::Print("ticker_cycles", cycles);
        vr::bench::Print("ticker_expected_ms", expected);
        vr::bench::Print("ticker_mean_cycle_ms", mean);
        vr::bench::Print("ticker_worst_cycle_ms", worst);
        vr::bench::Print("ticker_drift_percent", (mean - expected) / expected * 100);
        QCoreApplication::quit();
    });
    poll->start(1);
}

}  // namespace

int main(int argc, char** argv) {
    const vr::bench::ProbeArgs args = vr::bench::ReadArgs(argc, argv, {"startup", "idle", "ticker"});
    vr::qt::StartFontconfig();
    const auto app = vr::qt::StartApplication(argv[0]);
    vr::qt::GameWindow window;
    if (args.mode == "ticker") {
        WatchTicker(window, static_cast<int>(args.value));
    } else {
        vr::bench::MeasureWindow(window, args);
    }
    window.show();
    return QApplication::exec();
}
