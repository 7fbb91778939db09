// Parsing the fixed-size pieces of a VERSION chunk file from bytes already read.
#include "stick/VersionChunk.h"

#include <algorithm>

#include "base/ByteReaders.h"

namespace morvane {

std::optional<std::uint32_t> parseVersionHeader(std::span<const std::uint8_t, kVersionHeaderSize> bytes)
{
    if (!hasMagic(bytes, 0, "VERS") || readLittleEndian32(bytes, 4) != 1 || !hasMagic(bytes, 8, "COME"))
        return std::nullopt;
    return readLittleEndian32(bytes, 12);
}

std::optional<VersionPayload> parseVersionChunk(std::span<const std::uint8_t, kVersionChunkSize> bytes)
{
    if (!hasMagic(bytes, 0, "VERS") || readLittleEndian32(bytes, 4) != 8)
        return std::nullopt;
    VersionPayload payload{};
    std::copy_n(bytes.begin() + 8, payload.size(), payload.begin());
    return payload;
}

std::optional<LanguagePayload> parseLanguageChunk(std::span<const std::uint8_t, kLanguageChunkSize> bytes)
{
    if (!hasMagic(bytes, 0, "CNCD") || readLittleEndian32(bytes, 4) != 4)
        return std::nullopt;
    LanguagePayload payload{};
    std::copy_n(bytes.begin() + 8, payload.size(), payload.begin());
    return payload;
}

}  // namespace morvane
