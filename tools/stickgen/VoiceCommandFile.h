// Encoder of ARRMAIN.BIN, the voice commands the robot has learned.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace morvane::stickgen {

inline constexpr std::uint32_t kDogNameCommandId = 1;
inline constexpr std::uint32_t kOwnerNameCommandId = 256;

struct VoiceCommand {
    std::uint32_t id;
    std::vector<std::uint16_t> phonemes;  // indices into the speech language's phoneme table
};

// "arrc" and its header, one record per command, then a header with a non-zero marker.
std::vector<std::uint8_t> encodeVoiceCommandFile(std::span<const VoiceCommand> commands);

}  // namespace morvane::stickgen
