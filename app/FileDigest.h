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
    // Refused: `sink` answered false; Stopped: `goOn` did.
    enum class Outcome { Read, Unreadable, Refused, Stopped };
    Outcome outcome = Outcome::Read;
    Sha256Digest digest{};
    std::uint64_t bytes = 0;
};

// Each chunk read also goes to `sink`, when one is given; memory stays the same whatever
// the file's size. After each chunk's worth of bytes (256 KiB), `goOn`, when given, is
// asked whether to read on: a window lets its events through there, so that a large file
// on a slow stick neither freezes it nor keeps Cancel waiting until its end.
FileDigest digestFile(TreeReading& reading, const std::filesystem::path& path,
                      const std::function<bool(std::span<const std::uint8_t>)>& sink = {},
                      const std::function<bool()>& goOn = {});

}  // namespace morvane
