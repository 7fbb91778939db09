// Stick files stored gzip-compressed, as the robot stores its settings. Made with zlib's
// own gzip writer, apart from the program's reader and writer, so that tests of one are
// not checked against the other.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace morvane::stickgen {

// One gzip member holding `content`, whose header stores `name` (and `comment`, if any).
std::vector<std::uint8_t> gzipCompressed(std::span<const std::uint8_t> content, const std::string& name,
                                         const std::string& comment = {});

// The content of a gzip file, and the name and comment its header stores; none when zlib
// finds it damaged.
struct GunzippedFile {
    std::vector<std::uint8_t> content;
    std::string name;
    std::string comment;
};
std::optional<GunzippedFile> gunzipWithZlib(std::span<const std::uint8_t> file);

}  // namespace morvane::stickgen
