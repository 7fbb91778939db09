// The layouts of the scrambled variable files: magic, data size and key pad.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "reports/KeyPads.h"
#include "stick/StickPaths.h"

namespace morvane {

struct VarFileLayout {
    const char* path;  // stick-relative
    std::array<std::uint8_t, 4> magic;
    std::size_t dataBytes;  // N; W = N / 4 values
    KeyPad pad;

    std::size_t valueCount() const { return dataBytes / 4; }
};

inline constexpr VarFileLayout kGlobalVars64Layout{
    kGlobalVarPath, {0x45, 0x8E, 0x4D, 0x0D}, 256, KeyPad::Globals64};
inline constexpr VarFileLayout kGlobalVars128Layout{
    kGlobalVarPath, {0x43, 0xFF, 0x55, 0x0D}, 512, KeyPad::Globals128};
inline constexpr VarFileLayout kRVarsLayout{kRVarPath, {0x53, 0xB9, 0xC9, 0x0D}, 128, KeyPad::RVars};
inline constexpr VarFileLayout kDiaryVarsLayout{kDiaryVarPath, {0x40, 0xAF, 0x00, 0x2D}, 556, KeyPad::DVars};

}  // namespace morvane
