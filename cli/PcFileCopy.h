// Writing a file of the robot's PC folder out of the stick, for photos --out and voices --out.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>

namespace morvane::cli {

// Writes `bytes` to `target`, whole or not at all (its folder made when missing), its
// modification time `modified` when given. False, after a line on `err`, when it could not.
bool writeFileOut(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                  const std::optional<std::filesystem::file_time_type>& modified, std::ostream& err);

}  // namespace morvane::cli
