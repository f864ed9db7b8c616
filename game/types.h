// The window's value types: Byte is 8-bit unsigned, Integer 16-bit signed, and
// Boolean an Integer that holds True as -1 and False as 0.
#pragma once

#include <cstdint>

namespace vr {

using Byte = std::uint8_t;
using Integer = std::int16_t;
using Boolean = std::int16_t;
constexpr Boolean True = -1;
constexpr Boolean False = 0;

}  // namespace vr
