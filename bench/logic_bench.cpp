// The game logic alone, on the widget model: dealing a level and one tick of
// the water, against plain work of the same size as the baseline.
#include <memory>

#include "bench/route.h"
#include "bench/samples.h"
#include "design/inventory.h"
#include "game/main_form.h"
#include "model/event_driver.h"

namespace vr::bench {
namespace {

class NoPlatform : public Platform {
public:
    std::uint32_t secondsSinceMidnight() override { return 1; }
    void quit() override {}
    std::shared_ptr<Browser> createBrowser() override { return nullptr; }
};

struct Loaded {
    Loaded() : driver(model) {
        BuildWindow(model);
        main = std::make_unique<Main>(model, random, platform);
        main->Form_Load();
    }
    WidgetModel model;
    EventDriver driver;
    SeededRandom random{7};
    NoPlatform platform;
    std::unique_ptr<Main> main;
};

// Dealing a level once its cells exist, changes drained as a front end would.
void ModelDealLevel(benchmark::State& state, Samples& s, int level) {
    Loaded g;
    g.main->EnterLevel(static_cast<Byte>(level), rules::kStartingLives);
    g.model.takeChanges();
    for (auto _ : state) {
        s.start();
        g.main->EnterLevel(static_cast<Byte>(level), rules::kStartingLives);
        benchmark::DoNotOptimize(g.model.takeChanges());
        s.stop(state);
    }
}

// One tick of the water along a long pipeline, changes drained.
void ModelFlowTick(benchmark::State& state, Samples& s, int) {
    Loaded g;
    for (auto _ : state) {
        if (!WaterGoesOn(*g.main)) {
            DealWithPipeline(*g.main, g.driver, 100);
            g.model.takeChanges();
        }
        s.start();
        g.driver.tick(g.main->widgets().tok);
        benchmark::DoNotOptimize(g.model.takeChanges());
        s.stop(state);
    }
}

// Baseline of the same size: writing 900 records into a plain array.
void Baseline900Records(benchmark::State& state, Samples& s, int) {
    std::vector<Widget> cells(900);
    for (auto _ : state) {
        s.start();
        for (int i = 0; i < 900; ++i) {
            cells[i].left = 25 + (i % 30) * 16;
            cells[i].top = 25 + (i / 30) * 16;
            cells[i].picture = static_cast<Picture>(i & 7);
            cells[i].tag.clear();
        }
        benchmark::DoNotOptimize(cells.data());
        s.stop(state);
    }
}

}  // namespace

void AddLogicBenchmarks() {
    Add("model/deal/1", ModelDealLevel, 1);
    Add("model/deal/100", ModelDealLevel, 100);
    Add("model/flow_tick", ModelFlowTick)->Iterations(20000);
    Add("baseline/900_records", Baseline900Records);
}

}  // namespace vr::bench
