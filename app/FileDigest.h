// Reading one file of a stick tree whole, in chunks, through SHA-256.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "base/Sha256.h"
#include "stick/TreeReading.h"

namespace morvane {

struct FileDigest {
    enum class Outcome { Read, Unreadable, Refused };  // Refused: `sink` answered false
    Outcome outcome = Outcome::Read;
    Sha256Digest digest{};
    std::uint64_t bytes = 0;
};

// Each chunk read also goes to `sink`, when one is given; memory stays the same whatever
// the file's size.
FileDigest digestFile(TreeReading& reading, const std::filesystem::path& path,
                      const std::function<bool(std::span<const std::uint8_t>)>& sink = {});

}  // namespace morvane
