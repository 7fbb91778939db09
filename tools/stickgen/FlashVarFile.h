// Encoder of FVAR, the plain file of the 64 flash variables.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane::stickgen {

inline constexpr std::size_t kFlashVarCount = 64;
using FlashVarValues = std::array<std::int32_t, kFlashVarCount>;

// "FVAR" and the 64 values, little-endian: 260 bytes.
std::vector<std::uint8_t> encodeFlashVarFile(const FlashVarValues& values);

}  // namespace morvane::stickgen
