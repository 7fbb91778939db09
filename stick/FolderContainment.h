// Whether one place on the computer lies inside a folder, as the file system tells.
#pragma once

#include <filesystem>

namespace morvane {

// Whether `inner` is the folder `outer` or lies below it. Both are first resolved as the
// system resolves them (links, "."), then each folder on the way up from `inner` is
// compared with `outer` as the file system identifies folders, so that a name in other
// letter case (Windows, a stick's FAT) or a second name of the same folder counts too.
// Neither need exist whole: what does not exist yet is taken as written.
bool liesWithin(const std::filesystem::path& inner, const std::filesystem::path& outer);

}  // namespace morvane
