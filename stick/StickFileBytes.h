// The bytes of one stick file as every reader sees them: a plain file is read through
// from the operating system as it stands; a gzip-compressed one, as the robot stores
// many of its files, is decompressed whole when it is opened and read from memory. Both
// ways to a stick file (StickFile and StickStream) read through this one place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "stick/GzipMember.h"
#include "stick/OsFile.h"

namespace morvane {

class StickFileBytes {
public:
    // Opens an existing file, its path as the system spells it (a stick file's through
    // nativeStickPath); none when it does not open. A compressed file that is damaged, or
    // whose content is larger than `contentLimit` (no stick file is larger than the
    // default), opens all the same but cannot be read: every read and seek fails, so it is
    // never taken in part.
    static std::optional<StickFileBytes> open(std::string_view path,
                                              std::size_t contentLimit = kMaxStickFileContent);

    // Whether the file is compressed and its content larger than the limit it was opened with.
    bool tooLarge() const { return form_ == Form::TooLarge; }
    // Whether reads can deliver the file: false for a damaged or too large compressed file.
    bool readable() const { return form_ == Form::Plain || form_ == Form::Decompressed; }

    // One read of up to `count` bytes; the number delivered (0 at the end), or none.
    std::optional<std::size_t> read(void* buffer, std::size_t count);
    // Moves by `offset` from the start, the current position or the end (SEEK_SET,
    // SEEK_CUR, SEEK_END) and answers the new position; none, with the position kept,
    // for a position before the start. Positions count decompressed bytes.
    std::optional<std::int64_t> seek(std::int64_t offset, int origin);
    // Releases the file; answers whether the operating system accepted the close.
    bool close() { return file_.close(); }

private:
    enum class Form { Plain, Decompressed, Unreadable, TooLarge };

    StickFileBytes(OsFile file, Form form, std::vector<std::uint8_t> content)
        : file_(std::move(file)), form_(form), content_(std::move(content))
    {
    }
    std::optional<std::int64_t> seekInContent(std::int64_t offset, int origin);

    OsFile file_;
    Form form_;
    std::vector<std::uint8_t> content_;  // the decompressed file
    std::int64_t position_ = 0;          // in content_
};

}  // namespace morvane
