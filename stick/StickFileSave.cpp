// The old file's form is looked up when it is replaced: its first bytes tell whether it
// is compressed, its member header is taken over as it stands, and what followed its
// members is kept after the new one.
#include "stick/StickFileSave.h"

#include <optional>
#include <vector>

#include "stick/AtomicFile.h"
#include "stick/GzipMember.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

// A compressed save goes behind the old member's header and before whatever followed the
// old members, which no gzip reader reads and this program does not own.
struct CompressedForm {
    std::vector<std::uint8_t> header;
    std::vector<std::uint8_t> after;
};

// The whole old file, or none when it is absent, cannot be read, or is larger than any
// compressed stick file whose content could be read.
std::optional<std::vector<std::uint8_t>> oldFile(std::string_view path)
{
    std::optional<OsFile> file = OsFile::openExisting(nativeStickPath(path));
    if (!file)
        return std::nullopt;
    return readRest(*file, {}, kMaxCompressedFile);
}

// The form a save takes, or none when the old file is plain or absent.
std::optional<CompressedForm> compressedFormOf(std::string_view path, const std::vector<std::uint8_t>& old)
{
    if (!startsGzipMember(old))
        return std::nullopt;
    CompressedForm form;
    if (std::optional<std::vector<std::uint8_t>> header = gzipHeaderOf(old)) {
        form.header = std::move(*header);
    } else {
        // A header too damaged to copy: the file's own name stands in for the stored one.
        const std::size_t separator = path.find_last_of('\\');
        form.header =
            plainGzipHeader(separator == std::string_view::npos ? path : path.substr(separator + 1));
    }
    if (const std::optional<std::size_t> members = gzipMembersSize(old))
        form.after.assign(old.begin() + static_cast<std::ptrdiff_t>(*members), old.end());
    return form;
}

}  // namespace

SaveOutcome saveStickFile(std::string_view path, std::span<const std::uint8_t> content, FileOperations& files)
{
    const std::optional<std::vector<std::uint8_t>> old = oldFile(path);
    const std::optional<CompressedForm> form = old ? compressedFormOf(path, *old) : std::nullopt;
    if (!form)
        return replaceFileAtomically(path, content, files);
    std::optional<std::vector<std::uint8_t>> file = gzipMember(form->header, content);
    if (!file)
        return SaveOutcome::Failed;
    file->insert(file->end(), form->after.begin(), form->after.end());
    return replaceFileAtomically(path, *file, files);
}

}  // namespace morvane
