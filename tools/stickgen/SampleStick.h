// The sample stick: a complete, plausible ERS-7 AiboMind stick, the same bytes every run.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "reports/KeyPads.h"
#include "tools/stickgen/StickImage.h"

namespace morvane::stickgen {

// Every file of the sample stick, GVAR, RVAR and DVAR scrambled with `pads`; MEMSTICK.IND,
// which marks a stick root, comes last.
std::vector<StickImageFile> sampleStickFiles(const KeyPadBytes& pads = kBuiltInKeyPads);

// Writes the sample stick into `directory` (created if missing; files there are replaced),
// `compressed` with every file but MEMSTICK.IND gzip-compressed as the robot stores its
// settings. Answers none on success, or a message naming what could not be written.
std::optional<std::string> writeSampleStick(const std::filesystem::path& directory, bool compressed = false,
                                            const KeyPadBytes& pads = kBuiltInKeyPads);

}  // namespace morvane::stickgen
