// The scrambled variable files GVAR, RVAR and DVAR: checking and descrambling their
// bytes, and reading them from the stick.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "reports/VarFileLayout.h"
#include "stick/StickRoot.h"

namespace morvane {

using GlobalVars = std::array<std::int32_t, kGlobalVars128Layout.dataBytes / 4>;
using RVars = std::array<std::int32_t, kRVarsLayout.dataBytes / 4>;
using DiaryVars = std::array<std::int32_t, kDiaryVarsLayout.dataBytes / 4>;

// The bytes a file of `layout` is read for: magic, data and checksum.
std::size_t scrambledRecordSize(const VarFileLayout& layout);

// Checks the record at the start of `file` (bytes after it are ignored) and puts its
// descrambled values into the first W slots of `values`. False, with `values` untouched,
// when `file` is too short, its magic or checksum is wrong, or `values` has no room.
bool decodeScrambledVars(const VarFileLayout& layout, std::span<const std::uint8_t> file,
                         std::span<std::int32_t> values);

// Reads the layout's file, joined onto the stick root, and decodes it as above.
bool readScrambledVars(const StickRoot& stick, const VarFileLayout& layout, std::span<std::int32_t> values);

// GVAR in whichever layout it has: the number of values read (64 for AiboMind1, 128 for
// AiboMind2/3), or none.
std::optional<std::size_t> readGlobalVars(const StickRoot& stick, GlobalVars& values);
bool readRVars(const StickRoot& stick, RVars& values);
bool readDiaryVars(const StickRoot& stick, DiaryVars& values);

// Whether descrambled `values` fit the key pads they were read with: at least half of them
// lie between -100000000 and 100000000. The robot keeps counters, flags, hours and dates
// there, most of them 0; read with other pads, every value is a random 32-bit number, of
// which about one in twenty falls in that range.
bool fitsKeyPads(std::span<const std::int32_t> values);

}  // namespace morvane
