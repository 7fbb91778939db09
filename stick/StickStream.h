// The buffered-stream way to a stick file: the stick-relative path is opened as it
// stands, against the current directory, which is the stick root while a stick is open.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "stick/StickFileBytes.h"

namespace morvane {

// A read stream over one stick file, buffered like the C library's streams, and reading
// a compressed file decompressed. "rb" passes bytes unchanged; "rt" is Windows text mode
// on every platform: a CR LF pair reads as one LF. Positions are byte offsets in the
// (decompressed) file in both modes.
class StickStream {
public:
    // Opens an existing file; nullptr when it is missing or the mode is not "rb"/"rt". A
    // compressed file is read only when its content is within `contentLimit`.
    static std::unique_ptr<StickStream> open(std::string_view relativePath, std::string_view mode,
                                             std::size_t contentLimit = kMaxStickFileContent);

    StickStream(const StickStream&) = delete;
    StickStream& operator=(const StickStream&) = delete;

    // Reads up to `count` bytes (after text translation); answers how many were read.
    std::size_t read(void* buffer, std::size_t count);
    // Like the C library's line read: up to `capacity` - 1 characters, through the
    // first LF if one comes first. False at end of file with nothing read.
    bool readLine(std::string& line, std::size_t capacity);
    // Reads one character, or none at end of file.
    std::optional<char> getChar();
    // Puts back the character just read (one at most).
    void ungetChar(char c);
    bool seek(std::int64_t offset, int origin);
    std::optional<std::int64_t> tell();
    // Whether the file is compressed and its content beyond the limit it was opened with.
    bool contentTooLarge() const { return bytes_.tooLarge(); }
    // Whether a read of the file failed, as the C library's error flag: a read that stopped
    // short then ended at the failure, not at the end of the file.
    bool readFailed() const { return readFailed_; }
    // Closes the stream; answers whether the close succeeded.
    static bool close(std::unique_ptr<StickStream> stream);

private:
    StickStream(StickFileBytes bytes, bool textMode) : bytes_(std::move(bytes)), textMode_(textMode) {}
    std::optional<char> getRawChar();
    std::optional<char> peekRawChar();
    bool fillBuffer();
    std::size_t buffered() const { return bufferEnd_ - bufferNext_; }

    StickFileBytes bytes_;
    bool textMode_;
    std::optional<char> pushedBack_;
    std::array<char, 4096> buffer_{};
    std::size_t bufferNext_ = 0;
    std::size_t bufferEnd_ = 0;
    bool readFailed_ = false;
};

}  // namespace morvane
