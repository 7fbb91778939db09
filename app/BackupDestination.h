// Whether a folder may take a backup of a stick.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace morvane {

// Why `destination` cannot take a backup of the stick at `stick`, or none when it can: it
// must not exist or be an empty folder, and neither may lie inside the other.
std::optional<std::string> unsuitableBackupDestination(const std::filesystem::path& stick,
                                                       const std::filesystem::path& destination);

}  // namespace morvane
