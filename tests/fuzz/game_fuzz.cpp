// One input is one game on the widget model, read from both ends. From the front: a first byte that either deals
// level byte + 1 at once (below 100; the next byte gives 1 to 5 lives) or leaves the main menu up, then events:
// clicks on any widget or array member the window has, clickable or not (the model's rule decides), keys pressed or
// held, and the passing of time. From the back: the chance of the deals and refills, one byte a draw; once the input is
// used up a fixed seed takes over, so each input always plays the same way. After every click and every tick of the
// game's timers the rules of logic/invariants.h must hold; a broken rule stops the program with a message naming it.
//
// Built with VR_FUZZ_REPLAY it is a program of its own, without libFuzzer: it plays every input in the folders
// named, then tells the deepest level and the story screens reached.
#include <algorithm>
#include <array>
#include <bitset>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>

#include "logic/harness.h"
#include "logic/invariants.h"

namespace vr::test {
namespace {

// What the games played so far reached, kept only while `Reached` points here.
struct FuzzReach {
    int deepestLevel = 0;
    std::bitset<11> screens;  // intermezzo 1..9, and 10 for the outro
};
FuzzReach* Reached = nullptr;

// The events of an input (below kOps), and how a broken rule's trail names them.
enum Op { kWidget, kPlain, kCell, kOffer, kWaitMs, kWaitSeconds, kNextTick, kCloseBrowser, kKey, kOps, kTick, kDeal };
constexpr const char* kOpNames[] = {
    "click widget",   "click plain widget", "click cell", "click offer", "wait ms",   "wait seconds", "next tick",
    "browser closes", "key (+100: held)",   "",           "tick at ms",  "deal level"};
constexpr int kStartAtMenu = 100;

struct Input {
    bool done() const { return front == back; }
    int byte() { return front < back ? *front++ : 0; }
    int word() { return byte() << 8 | byte(); }
    int last() { return *--back; }
    const std::uint8_t* front;
    const std::uint8_t* back;
};

struct InputRandom : Random {
    explicit InputRandom(Input& input) : in(input) {}
    void seed(std::uint32_t) override {}
    double next() override { return in.done() ? rest.next() : in.last() / 256.0; }
    Input& in;
    SeededRandom rest{20261206};
};

// The widgets that are no array members, in the window's order: the buttons, the menu, the banner.
std::vector<W> PlainWidgets(const WidgetModel& m) {
    std::vector<W> plain;
    for (W w = 0; w < static_cast<W>(m.size()); ++w) {
        if (m.at(w).index < 0) plain.push_back(w);
    }
    return plain;
}

class Player {
public:
    explicit Player(Input& in) : in_(in), g_(std::make_unique<InputRandom>(in)), plain_(PlainWidgets(g_.model)) {}

    void play() {
        if (const int first = in_.byte(); first < kStartAtMenu) {
            // Up to five lives: the story's gifts then keep them within the 21 a game can have.
            const int lives = in_.byte() % 5 + 1;
            g_.main->EnterLevel(static_cast<Byte>(first + 1), static_cast<Byte>(lives));
            check(kDeal, first + 1);
        }
        while (!in_.done() && !g_.driver.stopped()) {
            const auto op = static_cast<Op>(in_.byte() % kOps);
            int arg = 0;
            switch (op) {
                case kWidget: arg = in_.word() % static_cast<int>(g_.model.size()); break;
                case kPlain: arg = plain_[static_cast<std::size_t>(in_.byte()) % plain_.size()]; break;
                case kCell: arg = g_.main->pole(in_.word() % g_.main->poleCount()); break;
                case kOffer: arg = g_.model.id("nabidka", in_.byte() % 4 + 1); break;
                case kWaitMs: arg = in_.word(); break;
                case kWaitSeconds: arg = in_.byte() * 1000; break;
                case kNextTick: arg = static_cast<int>(std::max<std::int64_t>(0, g_.driver.nextDue() - now())); break;
                case kKey: arg = in_.byte(); break;
                default: break;
            }
            if (op == kWaitMs || op == kWaitSeconds || op == kNextTick) {
                wait(arg);
            } else if (op == kKey) {
                // One byte: the key, and whether it is a repeat of a held one.
                g_.driver.key(static_cast<Key>(arg % kKeyCount), arg >= 128);
                arg = arg % kKeyCount + (arg >= 128 ? 100 : 0);
            } else if (op == kCloseBrowser) {
                const auto& browsers = g_.platform.browsers;
                if (!browsers.empty() && browsers.back()->onQuit) browsers.back()->onQuit();
            } else {
                g_.driver.click(arg);
            }
            check(op, arg);
        }
    }

private:
    // The ticker's ticks change only its line; the game's own ticks are checked.
    void wait(int ms) {
        const std::int64_t until = now() + ms;
        const W tok = g_.model.id("tok"), countdown = g_.model.id("countdowntimer");
        for (;;) {
            const std::int64_t next = g_.driver.nextDue();
            const bool game = next >= 0 && (g_.model.due(tok) == next || g_.model.due(countdown) == next);
            if (!g_.driver.step(until)) break;
            if (game) check(kTick, static_cast<int>(next));
        }
        g_.driver.advanceTo(until);
    }

    std::int64_t now() const { return g_.model.now(); }
    const char* name(W w) const { return g_.model.at(w).name.c_str(); }

    void check(Op op, int arg) {
        trail_[events_++ % trail_.size()] = {op, arg};
        const std::string broken = FirstViolation(g_);
        if (!broken.empty()) {
            std::fprintf(stderr, "broken rule at level %d: %s\nlast events, oldest first:\n", g_.main->state().level,
                         broken.c_str());
            for (std::size_t i = events_ > trail_.size() ? events_ - trail_.size() : 0; i < events_; ++i) {
                const auto& [o, a] = trail_[i % trail_.size()];
                if (o >= kWaitMs) std::fprintf(stderr, "  %s %d\n", kOpNames[o], a);
                if (o < kWaitMs) std::fprintf(stderr, "  %s %s(%d)\n", kOpNames[o], name(a), g_.model.at(a).index);
            }
            std::abort();
        }
        if (Reached) {
            Reached->deepestLevel = std::max(Reached->deepestLevel, int(g_.main->state().level));
            for (int i = 1; i <= 10; ++i) {
                if (g_.model.shown(g_.model.id("intertext", i))) Reached->screens.set(static_cast<std::size_t>(i));
            }
        }
    }

    Input& in_;
    Game g_;
    std::vector<W> plain_;
    std::array<std::pair<Op, int>, 24> trail_{};
    std::size_t events_ = 0;
};

}  // namespace
}  // namespace vr::test

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vr::test::Input in{data, data + size};
    vr::test::Player(in).play();
    return 0;
}

#ifdef VR_FUZZ_REPLAY
int main(int argc, char** argv) {
    using namespace vr::test;
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const auto& e : fs::directory_iterator(argv[i])) inputs.push_back(e.path());
    }
    std::sort(inputs.begin(), inputs.end());
    FuzzReach reach;
    Reached = &reach;
    for (const fs::path& p : inputs) {
        std::ifstream f(p, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(f), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs played: deepest level %d; story screens:", inputs.size(), reach.deepestLevel);
    for (int i = 1; i <= 10; ++i) {
        if (reach.screens[static_cast<std::size_t>(i)]) std::printf(i < 10 ? " %d" : " outro", i);
    }
    std::printf("%s\n", reach.screens.none() ? " none" : "");
    return inputs.empty() ? 1 : 0;
}
#endif
