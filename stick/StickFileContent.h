// A whole stick file in memory, read only when it is no larger than its reader allows: the
// size is learned first, so a file of any size never makes an allocation beyond the limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace morvane {

struct StickFileContent {
    enum class Outcome { Read, Missing, TooLarge, Unreadable };
    Outcome outcome = Outcome::Missing;
    std::vector<std::uint8_t> bytes;  // decompressed when the robot stored the file compressed
};

// The file at `relativePath` (stick path rules: relative to the current directory, names in
// any letter case), if it holds at most `limit` bytes.
StickFileContent readStickFileContent(std::string_view relativePath, std::uint64_t limit);

// The first `count` bytes of the file at `relativePath`, or all of it when it is shorter,
// for a reader that finds what it needs near a file's start.
StickFileContent readStickFileStart(std::string_view relativePath, std::size_t count);

}  // namespace morvane
