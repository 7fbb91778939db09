// Root-joined, read-only access to one stick file, unbuffered: every read of a plain
// file goes straight to the operating system; a compressed file is read decompressed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "stick/StickFileBytes.h"

namespace morvane {

class StickFile {
public:
    // Joins `relativePath` onto `rootPath` and opens the existing file for reading.
    // "rb" and "rt" both deliver bytes untranslated. Gives nullptr when the file is
    // missing, unreachable, locked for writing, or the joined path is too long.
    static std::unique_ptr<StickFile> open(std::string_view rootPath, std::string_view relativePath,
                                           std::string_view mode);
    static std::unique_ptr<StickFile> openForReading(std::string_view rootPath,
                                                     std::string_view relativePath);

    // One read of exactly `count` bytes; fewer bytes is failure. The position moves by
    // what was actually read either way.
    bool readExact(void* buffer, std::size_t count);
    // Moves to `offset` bytes from the start. Past the end is allowed; negative fails
    // and leaves the position unchanged.
    bool seek(std::int32_t offset);
    // Reads one line of text into `line`, ended by CR LF, CR or LF, which comes back as
    // one LF; at most `capacity` - 1 bytes per read.
    bool readLine(std::string& line, std::size_t capacity);
    // Whether a read failed, which the end of the file never does (a damaged compressed
    // file fails its first read): false from readExact or readLine alone does not tell.
    bool readFailed() const { return readFailed_; }
    // Releases the handle and destroys the file; false for none or a failed close.
    static bool close(std::unique_ptr<StickFile> file);

private:
    explicit StickFile(StickFileBytes bytes) : bytes_(std::move(bytes)) {}
    std::optional<std::size_t> read(void* buffer, std::size_t count);
    void skipLf();

    StickFileBytes bytes_;
    bool readFailed_ = false;
};

}  // namespace morvane
