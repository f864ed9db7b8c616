// The window of the seeded test program (vr-seeded-window): the same window
// as the game's, dealing the same boards on every run, so that the tests of
// the real window know where the valve and the empty cells are.
#pragma once

#include <cstdint>

namespace vr::qt::test {

constexpr std::uint32_t kSeededWindowSeed = 20260;

}  // namespace vr::qt::test
