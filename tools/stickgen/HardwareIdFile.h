// Encoder of OPEN-R\SYSTEM\DATA\P\AIBO-ID, the robot's hardware identifier.
#pragma once

#include <cstdint>
#include <vector>

namespace morvane::stickgen {

// The identifier as 4 little-endian bytes.
std::vector<std::uint8_t> encodeHardwareIdFile(std::uint32_t hardwareId);

}  // namespace morvane::stickgen
