// The four key pads that scramble GVAR (both layouts), RVAR and DVAR. The build embeds
// them from data/key_pads.bin (or the file named by MORVANE_KEY_PADS).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace morvane {

inline constexpr std::size_t kKeyPadFileSize = 1452;

// The pad file as embedded: the four pads one after another, each as little-endian words.
extern const std::array<std::uint8_t, kKeyPadFileSize> kKeyPadBytes;

enum class KeyPad { Globals64, Globals128, RVars, DVars };

// The bytes of one pad, in file order (word i is bytes 4i to 4i+3, little-endian).
std::span<const std::uint8_t> keyPadBytes(KeyPad pad);

}  // namespace morvane
