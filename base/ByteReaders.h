// Reading fixed-size fields out of bytes already in memory: the little-endian words and
// four-letter tags that the robot's binary files are made of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace morvane {

// Little-endian 32-bit and 16-bit words at `offset` of `bytes`; the caller guarantees the room.
std::uint32_t readLittleEndian32(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint16_t readLittleEndian16(std::span<const std::uint8_t> bytes, std::size_t offset);
// Whether the four bytes at `offset` spell `magic`.
bool hasMagic(std::span<const std::uint8_t> bytes, std::size_t offset, const char (&magic)[5]);

}  // namespace morvane
