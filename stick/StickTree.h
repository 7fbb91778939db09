// Every folder and file under a stick root (or any folder), for copying and checking a
// stick whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

// Paths relative to the root, in UTF-8 with '/' between their parts, names and letter case
// as they stand on disk, each list sorted by byte order. Hidden and system files are
// files like any other; links are not followed.
struct StickTree {
    std::vector<std::string> folders;
    std::vector<std::string> files;
};

// None when the root itself cannot be read.
std::optional<StickTree> listStickTree(const std::filesystem::path& root);

// `path` as the stick's FAT file system compares names: ASCII letters in lower case.
std::string foldedTreePath(std::string path);

// `relative` (as StickTree holds it) below `root`, as the system spells paths.
std::filesystem::path treePath(const std::filesystem::path& root, const std::string& relative);

}  // namespace morvane
