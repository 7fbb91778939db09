// Volume words, the robot's 16-bit volume settings, and the slider positions 0 to 63
// that stand for them.
#pragma once

#include <array>
#include <cstdint>

namespace morvane {

// Volume 0 to Volume 3.
using VolumeWords = std::array<std::uint16_t, 4>;

inline constexpr std::uint16_t kMutedVolume = 0x8000;
inline constexpr VolumeWords kDefaultVolumeWords{kMutedVolume, 0xE700, 0xF600, 0xFE00};

// The high byte above 0xC0, or 0; the low byte does not count.
int volumeToPosition(std::uint16_t word);
// 0x8000 for position 0, else 0xC000 + 256 x position, reduced to 16 bits.
std::uint16_t positionToVolume(int position);
// The word that follows a volume word in VOLUME.CFG: 0x300 less, but never below 0x8000.
std::uint32_t companionWord(std::uint16_t word);

}  // namespace morvane
