// Writing a file of the robot's PC folder out of the stick: a photo or a voice recording
// copied for the owner, bytes unchanged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace morvane {

// Writes `bytes` to `target`, a path of this computer taken as it stands, whole or not at
// all (its folder made when missing), its modification time `modified` when given. A file
// already at `target` is replaced only when it holds the same bytes, so copying again into
// the same folder repeats nothing and a different file of the name is never lost. None
// when written, or else why not: "cannot write PATH", "cannot write PATH: a different
// file of that name is there".
std::optional<std::string> writeFileOut(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes,
                                        const std::optional<std::filesystem::file_time_type>& modified);

}  // namespace morvane
