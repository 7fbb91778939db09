#include "app/FileDigest.h"

#include <vector>

namespace morvane {
namespace {

constexpr std::size_t kChunkSize = std::size_t{256} * 1024;

}  // namespace

FileDigest digestFile(TreeReading& reading, const std::filesystem::path& path,
                      const std::function<bool(std::span<const std::uint8_t>)>& sink,
                      const std::function<bool()>& goOn)
{
    FileDigest result;
    std::optional<OsFile> file = reading.open(path);
    if (!file) {
        result.outcome = FileDigest::Outcome::Unreadable;
        return result;
    }
    std::vector<std::uint8_t> buffer(kChunkSize);
    Sha256 hash;
    std::size_t sinceAsked = 0;
    for (;;) {
        const std::optional<std::size_t> got = reading.read(*file, buffer);
        if (!got) {
            result.outcome = FileDigest::Outcome::Unreadable;
            return result;
        }
        if (*got == 0)
            break;
        const std::span<const std::uint8_t> chunk(buffer.data(), *got);
        hash.update(chunk);
        result.bytes += *got;
        if (sink && !sink(chunk)) {
            result.outcome = FileDigest::Outcome::Refused;
            return result;
        }
        // Asked once a chunk's worth has been read since the last time, whatever size the
        // reads come in: a file smaller than a chunk never asks.
        sinceAsked += *got;
        if (sinceAsked < kChunkSize || !goOn)
            continue;
        sinceAsked = 0;
        if (!goOn()) {
            result.outcome = FileDigest::Outcome::Stopped;
            return result;
        }
    }
    result.digest = hash.finish();
    return result;
}

}  // namespace morvane
