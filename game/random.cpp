#include "game/random.h"

namespace vr {

double SeededRandom::next() {
    // 32 random bits scaled into [0, 1); never 1.
    return static_cast<double>(engine_()) / 4294967296.0;
}

}  // namespace vr
