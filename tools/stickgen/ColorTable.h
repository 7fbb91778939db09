// Encoder of tr.ct, the robot's table of eight colours in 32 brightness slices.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane::stickgen {

inline constexpr std::size_t kColorCount = 8;
inline constexpr std::size_t kSliceCount = 32;

// The U and V ranges of one colour in one brightness slice.
struct ColorSliceRange {
    std::uint8_t u1;
    std::uint8_t u2;
    std::uint8_t v1;
    std::uint8_t v2;
};

using ColorSlices = std::array<ColorSliceRange, kSliceCount>;
using ColorRanges = std::array<ColorSlices, kColorCount>;

// Nine 144-byte blocks (1296 bytes); colour k's slices, U1 U2 V1 V2 each, start block k + 1.
std::vector<std::uint8_t> encodeColorTable(const ColorRanges& colors);

}  // namespace morvane::stickgen
