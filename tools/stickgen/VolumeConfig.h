// Encoder of OPEN-R\MW\CONF\VOLUME.CFG, the four volume presets.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace morvane::stickgen {

using VolumeWords = std::array<std::uint16_t, 4>;

// The words of the Default preset, Volume 0 first.
inline constexpr VolumeWords kDefaultVolumeWords{0x8000, 0xE700, 0xF600, 0xFE00};

// Six CR LF lines: each word with its companion, "MIDI_Master_Tune:8" and an empty line.
std::string encodeVolumeConfig(const VolumeWords& words);

}  // namespace morvane::stickgen
