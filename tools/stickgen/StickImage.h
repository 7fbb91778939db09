// A stick image as a list of files, and writing it into a folder on disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::stickgen {

struct StickImageFile {
    std::string stickPath;  // as the program asks for it: backslashes, any letter case
    std::vector<std::uint8_t> bytes;
};

// The bytes of a text file, unchanged (its lines already end in CR LF).
std::vector<std::uint8_t> textBytes(std::string_view text);

// Where a stick file lies below the stick root on disk: every name in upper case, as a
// FAT stick shows it, with the host's separators.
std::filesystem::path diskPathOf(std::string_view stickPath);

// Writes every file below `directory`, creating folders and replacing files that exist.
// Answers none on success, or a message naming what could not be written.
std::optional<std::string> writeStickImage(const std::filesystem::path& directory,
                                           std::span<const StickImageFile> files);

}  // namespace morvane::stickgen
