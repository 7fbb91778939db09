// Whether a folder may take a backup of a stick.
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Why `destination` cannot take a backup of the stick at `stick`, or none when it can: it
// must not exist or be an empty folder, and neither may lie inside the other.
std::optional<std::string> unsuitableBackupDestination(const std::filesystem::path& stick,
                                                       const std::filesystem::path& destination);

// A name for a new backup folder of the stick at `stickRoot` made at `localTime`, such as
// "AIBO backup 2026-12-09 14.05": the stick folder's own name ("Stick E" for the root of
// drive E:, "Stick" for the root of the file system), then the date and time, with no
// character that a folder name may not hold on any system.
std::string suggestedBackupName(std::string_view stickRoot, const std::tm& localTime);

}  // namespace morvane
