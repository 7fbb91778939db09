#include "base/ByteReaders.h"

#include <cstring>

namespace morvane {

std::uint32_t readLittleEndian32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t readLittleEndian16(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

bool hasMagic(std::span<const std::uint8_t> bytes, std::size_t offset, const char (&magic)[5])
{
    return offset + 4 <= bytes.size() && std::memcmp(bytes.data() + offset, magic, 4) == 0;
}

}  // namespace morvane
