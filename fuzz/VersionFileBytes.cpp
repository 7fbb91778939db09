// The header at offset 0, the version chunk at 16 + L and the language chunk right after
// it; each chunk is taken only when it lies wholly inside the file, with offsets computed
// in 64 bits so that a comment length near 4 GiB cannot wrap around.
#include "fuzz/VersionFileBytes.h"

#include <optional>

#include "stick/VersionChunk.h"

namespace morvane {
namespace {

template <std::size_t Size>
std::optional<std::span<const std::uint8_t, Size>> chunkAt(std::span<const std::uint8_t> file,
                                                           std::uint64_t offset)
{
    if (offset > file.size() || file.size() - offset < Size)
        return std::nullopt;
    return file.subspan(static_cast<std::size_t>(offset)).first<Size>();
}

}  // namespace

VersionFileReading readVersionFileBytes(std::span<const std::uint8_t> file)
{
    VersionFileReading reading;
    const auto header = chunkAt<kVersionHeaderSize>(file, 0);
    const std::optional<std::uint32_t> commentLength = header ? parseVersionHeader(*header) : std::nullopt;
    if (!commentLength)
        return reading;
    const std::uint64_t versionOffset = kVersionHeaderSize + std::uint64_t{*commentLength};
    const auto versionChunk = chunkAt<kVersionChunkSize>(file, versionOffset);
    const std::optional<VersionPayload> payload =
        versionChunk ? parseVersionChunk(*versionChunk) : std::nullopt;
    if (!payload)
        return reading;
    reading.kind = lookUpSoftwareKind(*payload);
    const auto languageChunk = chunkAt<kLanguageChunkSize>(file, versionOffset + kVersionChunkSize);
    if (!languageChunk)
        return reading;
    if (const std::optional<LanguagePayload> language = parseLanguageChunk(*languageChunk))
        reading.languageCode = (*language)[0];
    return reading;
}

}  // namespace morvane
