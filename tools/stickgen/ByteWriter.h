// The one place where the encoders put bytes: a little-endian writer over a zero-filled
// buffer whose size is the file's size, fixed when the writer is made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane::stickgen {

class ByteWriter {
public:
    explicit ByteWriter(std::size_t size) : bytes_(size) {}

    // Moves the write position; bytes skipped over stay zero.
    void seek(std::size_t offset) { position_ = offset; }
    std::size_t position() const { return position_; }

    void put8(std::uint8_t value);
    void put32(std::uint32_t value);
    void putInt32(std::int32_t value);
    void putBytes(std::span<const std::uint8_t> bytes);
    // The characters of `text`, without a terminator.
    void putText(std::string_view text);

    // What has been written so far, the whole buffer.
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() && { return std::move(bytes_); }

private:
    bool fits(std::size_t count) const;

    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace morvane::stickgen
