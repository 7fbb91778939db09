// The files of one folder of the stick, found as every stick path is (names in any letter
// case).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// The names of the regular files in the folder at `relativeFolder` (relative to the current
// directory, '\\' between its parts), in byte order; none when there is no such folder.
// A name holding '\\' (possible in a copy of the stick on another file system) is left
// out: no stick path can name that file, and a copy named after it would leave its folder.
std::optional<std::vector<std::string>> listStickFolder(std::string_view relativeFolder);

}  // namespace morvane
