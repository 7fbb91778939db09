// tr.ct, the robot's colour preferences: for eight colours and 32 brightness slices, a
// range of the colour difference U and a range of V.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "stick/StickPaths.h"
#include "stick/StickStream.h"

namespace morvane {

inline constexpr std::size_t kColorCount = 8;
inline constexpr std::size_t kSliceCount = 32;
// The last byte the table takes is at offset 1279.
inline constexpr std::size_t kColorTableExtent = 144 * kColorCount + 4 * kSliceCount;

// The ends of the U and V ranges of one colour in one slice, each 0 to 255.
struct ColorSlice {
    std::int32_t v1;
    std::int32_t v2;
    std::int32_t u1;
    std::int32_t u2;
};

// Colour-major: table[k][s] is colour k in slice s.
using ColorTable = std::array<std::array<ColorSlice, kSliceCount>, kColorCount>;

// Decodes the table from the start of a file; false when `file` is shorter than 1280
// bytes. Any byte values are taken.
bool decodeColorTable(std::span<const std::uint8_t> file, ColorTable& table);
// Reads the table from `stream`, opened for binary reading at its start.
bool readColorTable(StickStream& stream, ColorTable& table);

}  // namespace morvane
