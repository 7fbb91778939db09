// Software detection: memstick.ind must exist; the application VERSION file names the
// software and the language; a stick with only a system VERSION file is a development
// stick.
#include "stick/Detection.h"

#include <array>
#include <cstdint>
#include <limits>

#include "stick/SoftwareKind.h"
#include "stick/StickFile.h"
#include "stick/StickPaths.h"
#include "stick/VersionChunk.h"

namespace morvane {
namespace {

constexpr const char* kNoMarkerMessage = "can't open memstick.ind";
constexpr const char* kNoVersionMessage = "missing VERSION file";
constexpr const char* kUnknownVersionMessage =
    "unknown software version\nnot supported by Morvane\n(please use Dunmarra for ERS-2x0/31x)";

struct ApplicationVersion {
    const SoftwareKind* kind = nullptr;
    std::int32_t languageCode = -1;
};

// Reads the version and language chunks that follow the header of an open VERSION file.
// Any defect leaves the kind unknown; a defect confined to the language chunk only
// leaves the language unknown.
ApplicationVersion readApplicationVersion(StickFile& file)
{
    ApplicationVersion result;
    std::array<std::uint8_t, kVersionHeaderSize> header{};
    if (!file.readExact(header.data(), header.size()))
        return result;
    std::optional<std::uint32_t> commentLength = parseVersionHeader(header);
    // A comment length that puts the version chunk beyond a signed 32-bit offset is
    // a damaged file, not a seek to wrap around.
    const std::uint64_t chunkOffset = std::uint64_t{kVersionHeaderSize} + commentLength.value_or(0);
    if (!commentLength || chunkOffset > std::numeric_limits<std::int32_t>::max())
        return result;
    std::array<std::uint8_t, kVersionChunkSize> versionChunk{};
    if (!file.seek(static_cast<std::int32_t>(chunkOffset)) ||
        !file.readExact(versionChunk.data(), versionChunk.size()))
        return result;
    std::optional<VersionPayload> payload = parseVersionChunk(versionChunk);
    if (!payload)
        return result;
    result.kind = lookUpSoftwareKind(*payload);
    std::array<std::uint8_t, kLanguageChunkSize> languageChunk{};
    if (file.readExact(languageChunk.data(), languageChunk.size())) {
        if (std::optional<LanguagePayload> language = parseLanguageChunk(languageChunk))
            result.languageCode = (*language)[0];
    }
    return result;
}

// Whether the stick file opens; it is closed again at once, unread.
bool stickFileOpens(const StickRoot& stick, std::string_view relativePath)
{
    std::unique_ptr<StickFile> file = StickFile::openForReading(stick.rootPath, relativePath);
    if (!file)
        return false;
    StickFile::close(std::move(file));
    return true;
}

}  // namespace

std::optional<std::string> detectSoftware(StickRoot& stick)
{
    if (!stickFileOpens(stick, kStickMarkerPath))
        return kNoMarkerMessage;
    stick.languageCode = -1;
    stick.softwareKind = nullptr;

    std::unique_ptr<StickFile> application =
        StickFile::openForReading(stick.rootPath, kApplicationVersionPath);
    if (!application) {
        if (!stickFileOpens(stick, kSystemVersionPath))
            return kNoVersionMessage;
        stick.softwareKind = &sdkSoftwareKind();
        return std::nullopt;
    }
    ApplicationVersion found = readApplicationVersion(*application);
    StickFile::close(std::move(application));
    stick.softwareKind = found.kind;
    stick.languageCode = found.languageCode;
    if (stick.softwareKind == nullptr)
        return kUnknownVersionMessage;
    return std::nullopt;
}

}  // namespace morvane
