// Every folder and file under a stick root (or any folder), for copying and checking a
// stick whole.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

// Paths relative to the root, in UTF-8 with '/' between their parts, names and letter case
// as they stand on disk, each list sorted by byte order. Hidden and system files are
// files like any other.
struct StickTree {
    std::vector<std::string> folders;
    std::vector<std::string> files;
    // What is neither read nor listed: a folder that cannot be listed to its end (what it
    // yielded before is kept), a link (never followed; Windows' standard library tells no
    // link from what it leads to), and anything else that is no plain file or folder, such
    // as a device.
    std::vector<std::string> unreadable;
};

// None when the root itself cannot be listed to its end.
std::optional<StickTree> listStickTree(const std::filesystem::path& root);

// For each of `paths`, where `others` holds the same path: spelt alike first, else in other
// letter case, the first such in `others` that no path took already; none when it holds
// neither. On a copy of a stick on a case-sensitive disk two names may differ in case
// alone: each then finds its own.
std::vector<std::optional<std::size_t>> matchTreePaths(const std::vector<std::string>& paths,
                                                       const std::vector<std::string>& others);

// `relative` (as StickTree holds it) below `root`, as the system spells paths.
std::filesystem::path treePath(const std::filesystem::path& root, const std::string& relative);

}  // namespace morvane
