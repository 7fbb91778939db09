// The versions report checks the whole chunk structure of each VERSION file, the
// language chunk included, and prints every payload byte as a number from 0 to 255.
#include "reports/VersionsReport.h"

#include <array>
#include <cstdint>
#include <span>

#include "base/TextFormat.h"
#include "reports/ReportNodes.h"
#include "stick/StickPaths.h"
#include "stick/VersionChunk.h"

namespace morvane {
namespace {

struct VersionFile {
    const char* path;
    const char* title;
};

constexpr std::array<VersionFile, 4> kVersionFiles{{
    {kApplicationVersionPath, "App Version:"},
    {kMiddlewareVersionPath, "MW Version:"},
    {kSystemVersionPath, "System Version:"},
    {kCustomVersionPath, "Custom Version:"},
}};

void writeValueLines(const VersionPayload& version, const LanguagePayload& language, InfoList& list)
{
    list.addLine(formatText("   vers: %d %d %d %d %d %d %d %d", version[0], version[1], version[2],
                            version[3], version[4], version[5], version[6], version[7]));
    list.addLine(formatText("   cncd: %d %d %d %d", language[0], language[1], language[2], language[3]));
}

// A read that failed, as a damaged compressed file's does, is not a file too small.
constexpr const char* kUnreadable = "   ERROR: file cannot be read";

// The version and language chunks, 28 bytes from where the comment ends.
void dumpChunks(StickStream& stream, InfoList& list)
{
    std::array<std::uint8_t, kVersionChunkSize + kLanguageChunkSize> chunks{};
    if (stream.read(chunks.data(), chunks.size()) != chunks.size()) {
        list.addLine(stream.readFailed() ? kUnreadable : "   ERROR: file too small (pt2)");
        return;
    }
    const std::span<const std::uint8_t> bytes(chunks);
    const std::optional<VersionPayload> version = parseVersionChunk(bytes.first<kVersionChunkSize>());
    if (!version) {
        list.addLine("   ERROR: file unknown format (VERS)");
        return;
    }
    const std::optional<LanguagePayload> language = parseLanguageChunk(bytes.last<kLanguageChunkSize>());
    if (!language) {
        list.addLine("   ERROR: file unknown format (CNCD)");
        return;
    }
    writeValueLines(*version, *language, list);
}

}  // namespace

void dumpVersionFile(StickStream* stream, std::string_view title, InfoList& list)
{
    list.addLine(title);
    if (stream == nullptr) {
        list.addLine("   ERROR: file missing");
        return;
    }
    std::array<std::uint8_t, kVersionHeaderSize> header{};
    if (stream->read(header.data(), header.size()) != header.size()) {
        list.addLine(stream->readFailed() ? kUnreadable : "   ERROR: file too small");
        return;
    }
    const std::optional<std::uint32_t> commentLength = parseVersionHeader(header);
    if (!commentLength) {
        list.addLine("   ERROR: file unknown format");
        return;
    }
    // The comment length moves the position as a signed offset; a move that fails
    // leaves the position, and the read of the chunks decides.
    stream->seek(static_cast<std::int32_t>(*commentLength), SEEK_CUR);
    dumpChunks(*stream, list);
}

bool VersionsNode::dump(StickStream*, InfoList& list, StickRoot&)
{
    for (const VersionFile& file : kVersionFiles) {
        std::unique_ptr<StickStream> stream = StickStream::open(file.path, "rb");
        dumpVersionFile(stream.get(), file.title, list);
        StickStream::close(std::move(stream));
    }
    list.addLine("");
    return true;
}

}  // namespace morvane
