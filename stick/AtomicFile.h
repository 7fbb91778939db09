// Rewriting a stick file so that a failed save never damages the file it replaces.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "stick/FileOperations.h"

namespace morvane {

// Makes `bytes` the whole content of the file at stick path `path` (relative to the
// current directory, backslashes as separators, names matched without regard to letter
// case). True when the file holds the new bytes. False when it could not be done; the old
// file, or the absence of one, is then exactly as before and no temporary file is left.
bool replaceFileAtomically(std::string_view path, std::span<const std::uint8_t> bytes,
                           FileOperations& files = systemFileOperations());

}  // namespace morvane
