// The four key pads that scramble GVAR (both layouts), RVAR and DVAR, as one 1452-byte
// set. The build embeds a set from data/key_pads.bin (or the file named by
// MORVANE_KEY_PADS); KeyPadsInUse.h holds the set the readers use.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace morvane {

inline constexpr std::size_t kKeyPadFileSize = 1452;

// A pad set as its file holds it: the four pads one after another, each as little-endian
// words.
using KeyPadBytes = std::array<std::uint8_t, kKeyPadFileSize>;

// The set the build embedded, and whether it is the repository's placeholder file (with
// which a real robot's scrambled files read wrong).
extern const KeyPadBytes kBuiltInKeyPads;
extern const bool kBuiltInKeyPadsArePlaceholders;

enum class KeyPad { Globals64, Globals128, RVars, DVars };

// The bytes of one pad of `pads`, in file order (word i is bytes 4i to 4i+3, little-endian).
std::span<const std::uint8_t> keyPadBytes(const KeyPadBytes& pads, KeyPad pad);

}  // namespace morvane
