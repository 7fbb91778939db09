// Encoder of the scrambled variable files GVAR, RVAR and DVAR.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "reports/VarFileLayout.h"

namespace morvane::stickgen {

// The layout's magic, its W values XOR the layout's pad of `pads`, and the checksum
// byte. Values beyond W are left out; missing ones are written as 0.
std::vector<std::uint8_t> encodeScrambledVarFile(const VarFileLayout& layout,
                                                 std::span<const std::int32_t> values,
                                                 const KeyPadBytes& pads = kBuiltInKeyPads);

}  // namespace morvane::stickgen
