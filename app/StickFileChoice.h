// Choosing a stick by its MEMSTICK.IND file, at start-up and for the Open command.
#pragma once

#include <string>
#include <string_view>

#include "ui/FileOpenDialog.h"

namespace morvane {

// Empties `path`, runs the file-open dialog and, when the user chose a file, sets `path`
// to its full path. Answers whether a file was chosen.
bool askForStickFile(FileOpenDialog& dialog, std::string& path);

// Makes the drive and directory of the file at `path` the current directory (the file's
// own name does not count). Answers whether that succeeded.
bool enterStickDirectory(std::string_view path);

// The drive and directory of `path`, keeping the trailing backslash:
// "C:\img\stick\memstick.ind" gives "C:\img\stick\".
std::string directoryOfFile(std::string_view path);

}  // namespace morvane
