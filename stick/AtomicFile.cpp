// The new content goes to a temporary file beside the target, reaches the disk, and
// then takes the target's name in one rename. Until that rename the target is not
// touched, so a failure at any step, or a power cut, leaves the old file whole.
#include "stick/AtomicFile.h"

#include <filesystem>
#include <string>

#include "base/Utf8Path.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

bool somethingStandsUnder(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(utf8Path(path), error));
}

// In the target's own directory, so that the rename stays within one file system, under a
// name nothing stands under yet: a file there (left by a save cut off, or someone else's)
// or a link is neither written through nor removed.
std::string temporaryPathFor(const std::string& target)
{
    std::string path = target + ".morvane-new";
    for (int attempt = 2; attempt <= 99 && somethingStandsUnder(path); ++attempt)
        path = target + ".morvane-new" + std::to_string(attempt);
    return path;
}

// The new file takes the old one's permissions, so that a file only its owner could read
// stays so. Best effort: a file system without them (the stick's FAT) keeps its own. A
// write-protected file is not replaced at all, and its temporary file must stay removable.
void keepPermissions(const std::string& target, const std::string& temporary)
{
    using std::filesystem::perms;
    std::error_code error;
    const std::filesystem::file_status old = std::filesystem::status(utf8Path(target), error);
    if (!error && std::filesystem::exists(old) && (old.permissions() & perms::owner_write) != perms::none)
        std::filesystem::permissions(utf8Path(temporary), old.permissions(), error);
}

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
    keepPermissions(target, temporary);
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
