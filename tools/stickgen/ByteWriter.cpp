// Bounded little-endian writes. A write that would run past the end of the buffer is
// dropped whole: every encoder sizes its buffer from the format, so none should, and a
// dropped write shows up in the tests as a missing value rather than as a longer file.
#include "tools/stickgen/ByteWriter.h"

#include <algorithm>

namespace morvane::stickgen {

bool ByteWriter::fits(std::size_t count) const
{
    return position_ <= bytes_.size() && count <= bytes_.size() - position_;
}

void ByteWriter::put8(std::uint8_t value)
{
    if (!fits(1))
        return;
    bytes_[position_++] = value;
}

void ByteWriter::put32(std::uint32_t value)
{
    if (!fits(4))
        return;
    for (int shift = 0; shift < 32; shift += 8)
        bytes_[position_++] = static_cast<std::uint8_t>(value >> shift);
}

void ByteWriter::putInt32(std::int32_t value) { put32(static_cast<std::uint32_t>(value)); }

void ByteWriter::putBytes(std::span<const std::uint8_t> bytes)
{
    if (!fits(bytes.size()))
        return;
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(position_));
    position_ += bytes.size();
}

void ByteWriter::putText(std::string_view text)
{
    if (!fits(text.size()))
        return;
    for (const char c : text)
        bytes_[position_++] = static_cast<std::uint8_t>(c);
}

}  // namespace morvane::stickgen
