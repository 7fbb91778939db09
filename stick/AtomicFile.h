// Rewriting a stick file so that a failed save never damages the file it replaces.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "stick/FileOperations.h"

namespace morvane {

enum class SaveOutcome {
    Saved,
    TemporaryFileRefused,  // the file's folder would not take the temporary file
    Failed,                // the new content could not be written, or could not replace the file
};

// Makes `bytes` the whole content of the file at stick path `path` (relative to the
// current directory, backslashes as separators, names matched without regard to letter
// case). Saved when the file holds the new bytes. Otherwise the old file, or the absence
// of one, is exactly as before and no temporary file is left.
SaveOutcome replaceFileAtomically(std::string_view path, std::span<const std::uint8_t> bytes,
                                  FileOperations& files = systemFileOperations());

// The same, the new content written by `fill` into the open temporary file (it answers
// false when it could not write it all), so that a large file need not be in memory.
SaveOutcome replaceFileAtomically(std::string_view path,
                                  const std::function<bool(FileOperations::Handle)>& fill,
                                  FileOperations& files = systemFileOperations());

// The same two for a file of the computer's own, `target` a native path in UTF-8 taken as
// it stands (a backup's own files, a photo copied out): no stick path rules apply.
SaveOutcome replaceNativeFileAtomically(const std::string& target, std::span<const std::uint8_t> bytes,
                                        FileOperations& files = systemFileOperations());
SaveOutcome replaceNativeFileAtomically(const std::string& target,
                                        const std::function<bool(FileOperations::Handle)>& fill,
                                        FileOperations& files = systemFileOperations());

// The folder, as a full native path in UTF-8, in which a save of stick path `path` makes
// its temporary file.
std::string temporaryFolderFor(std::string_view path);

}  // namespace morvane
