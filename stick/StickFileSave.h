// Saving a stick file in the form the robot keeps it in.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "stick/AtomicFile.h"
#include "stick/FileOperations.h"

namespace morvane {

// Makes `content` the content of the stick file at `path` (relative to the current
// directory, as replaceFileAtomically takes it), in the form the old file has: a file
// that was gzip-compressed is written compressed again behind the old member's header
// (its stored name, comment and time kept); a plain file, or none, is written plain.
// One atomic replace: on failure the old file stays exactly as it was.
SaveOutcome saveStickFile(std::string_view path, std::span<const std::uint8_t> content,
                          FileOperations& files = systemFileOperations());

}  // namespace morvane
