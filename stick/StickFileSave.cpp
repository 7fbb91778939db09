// The old file's form is looked up when it is replaced: its first bytes tell whether it
// is compressed, and its member header is taken over as it stands.
#include "stick/StickFileSave.h"

#include <optional>
#include <vector>

#include "stick/AtomicFile.h"
#include "stick/GzipMember.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

// Enough for any header: the extra field, a stored name and a comment.
constexpr std::size_t kHeaderReadSize = std::size_t{128} * 1024;

// The header a compressed save goes behind, or none when the old file is plain or absent.
std::optional<std::vector<std::uint8_t>> compressedFormOf(std::string_view path)
{
    std::optional<OsFile> file = OsFile::openExisting(path);
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> start(kHeaderReadSize);
    start.resize(file->read(start.data(), start.size()).value_or(0));
    if (!startsGzipMember(start))
        return std::nullopt;
    if (std::optional<std::vector<std::uint8_t>> header = gzipHeaderOf(start))
        return header;
    // A header too damaged to copy: the file's own name stands in for the stored one.
    const std::size_t separator = path.find_last_of('\\');
    return plainGzipHeader(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

}  // namespace

SaveOutcome saveStickFile(std::string_view path, std::span<const std::uint8_t> content, FileOperations& files)
{
    const std::optional<std::vector<std::uint8_t>> header = compressedFormOf(path);
    if (!header)
        return replaceFileAtomically(path, content, files);
    return replaceFileAtomically(path, gzipMember(*header, content), files);
}

}  // namespace morvane
