// The sample stick: a complete, plausible ERS-7 AiboMind stick, the same bytes every run.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/stickgen/StickImage.h"

namespace morvane::stickgen {

// Every file of the sample stick; MEMSTICK.IND, which marks a stick root, comes last.
std::vector<StickImageFile> sampleStickFiles();

// The same files with every one but MEMSTICK.IND gzip-compressed, as the robot stores
// its settings, each member storing the file's own name in upper case.
std::vector<StickImageFile> compressedSampleStickFiles();

// Writes the sample stick into `directory` (created if missing; files there are replaced).
// Answers none on success, or a message naming what could not be written.
std::optional<std::string> writeSampleStick(const std::filesystem::path& directory, bool compressed = false);

}  // namespace morvane::stickgen
