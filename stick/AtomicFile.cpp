// The new content goes to a temporary file beside the target, reaches the disk, and
// then takes the target's name in one rename. Until that rename the target is not
// touched, so a failure at any step, or a power cut, leaves the old file whole.
#include "stick/AtomicFile.h"

#include <string>

#include "base/Utf8Path.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

// In the target's own directory, so that the rename stays within one file system.
std::string temporaryPathFor(const std::string& target) { return target + ".morvane-new"; }

}  // namespace

SaveOutcome replaceFileAtomically(std::string_view path, std::span<const std::uint8_t> bytes,
                                  FileOperations& files)
{
    return replaceFileAtomically(
        path, [&](FileOperations::Handle file) { return files.write(file, bytes); }, files);
}

SaveOutcome replaceNativeFileAtomically(const std::string& target, std::span<const std::uint8_t> bytes,
                                        FileOperations& files)
{
    return replaceNativeFileAtomically(
        target, [&](FileOperations::Handle file) { return files.write(file, bytes); }, files);
}

// The content is flushed and the file closed whatever happened, before the rename.
SaveOutcome replaceFileAtomically(std::string_view path,
                                  const std::function<bool(FileOperations::Handle)>& fill,
                                  FileOperations& files)
{
    // Resolved like every stick path, so an existing "fvar" is replaced, not joined by "FVAR".
    return replaceNativeFileAtomically(nativeStickPath(path), fill, files);
}

SaveOutcome replaceNativeFileAtomically(const std::string& target,
                                        const std::function<bool(FileOperations::Handle)>& fill,
                                        FileOperations& files)
{
    const std::string temporary = temporaryPathFor(target);
    const std::optional<FileOperations::Handle> file = files.create(temporary);
    if (!file)
        return SaveOutcome::TemporaryFileRefused;
    const bool written = fill(*file) && files.flush(*file);
    const bool closed = files.close(*file);
    if (written && closed && files.rename(temporary, target))
        return SaveOutcome::Saved;
    files.remove(temporary);
    return SaveOutcome::Failed;
}

std::string temporaryFolderFor(std::string_view path)
{
    const std::filesystem::path folder = utf8Path(nativeStickPath(path)).parent_path();
    return utf8Text((utf8Path(currentDirectory().value_or(".")) / folder).make_preferred());
}

}  // namespace morvane
