// Writing a file of the robot's PC folder out of the stick: a photo or a voice recording
// copied for the owner, bytes unchanged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace morvane {

// Writes `bytes` to `target`, whole or not at all (its folder made when missing), its
// modification time `modified` when given. False when it could not.
bool writeFileOut(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                  const std::optional<std::filesystem::file_time_type>& modified);

}  // namespace morvane
