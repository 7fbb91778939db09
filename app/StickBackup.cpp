// Each file is streamed in chunks through the hash into its copy, so memory stays the
// same whatever the stick holds. The stick is only ever opened for reading. Nothing marks
// the backup complete until the manifest takes its name, last of all.
#include "app/StickBackup.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <iterator>
#include <system_error>

#include "MorvaneVersion.h"
#include "app/BackupManifest.h"
#include "app/FileDigest.h"
#include "base/TextFormat.h"
#include "base/Utf8Path.h"
#include "reports/HardwareId.h"
#include "stick/AtomicFile.h"
#include "stick/SoftwareKind.h"
#include "stick/StickTree.h"

namespace morvane {
namespace {

enum class CopyOutcome { Copied, Unreadable, WriteFailed, Stopped };

// Copies `from` to `to` through the hash, asking `goOn` within a large file; a copy that
// fails or is stopped is removed again.
CopyOutcome copyFile(TreeReading& reading, FileOperations& files, const std::filesystem::path& from,
                     const std::filesystem::path& to, FileDigest& copied, const std::function<bool()>& goOn)
{
    const std::string target = utf8Text(to);
    const std::optional<FileOperations::Handle> copy = files.create(target);
    if (!copy)
        return CopyOutcome::WriteFailed;
    copied = digestFile(
        reading, from, [&](std::span<const std::uint8_t> chunk) { return files.write(*copy, chunk); }, goOn);
    // Each copy is on the disk itself before the manifest that vouches for it is written.
    const bool flushed = copied.outcome == FileDigest::Outcome::Read && files.flush(*copy);
    const bool closed = files.close(*copy);
    if (!flushed || !closed) {
        files.remove(target);
        if (copied.outcome == FileDigest::Outcome::Unreadable)
            return CopyOutcome::Unreadable;
        return copied.outcome == FileDigest::Outcome::Stopped ? CopyOutcome::Stopped
                                                              : CopyOutcome::WriteFailed;
    }
    std::error_code ignored;  // a time that cannot be kept leaves the copy's own
    std::filesystem::last_write_time(to, std::filesystem::last_write_time(from, ignored), ignored);
    return CopyOutcome::Copied;
}

// Removes what the backup wrote: the destination folder if it made it, else its contents.
void removeWritten(const std::filesystem::path& destination, bool madeDestination)
{
    std::error_code ignored;
    if (madeDestination) {
        std::filesystem::remove_all(destination, ignored);
        return;
    }
    for (const auto& entry : std::filesystem::directory_iterator(destination, ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

std::string utcNow()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char text[32]{};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", std::gmtime(&now));
    return text;
}

std::string notesText(const std::vector<std::string>& aboutStick, const std::vector<std::string>& unreadable)
{
    std::string text = "Morvane backup\nMade: " + utcNow() + "\nBy: Morvane " MORVANE_VERSION_TEXT "\n";
    for (const std::string& line : aboutStick)
        text += line + "\n";
    text += unreadable.empty() ? "Files that could not be read: none\n" : "Files that could not be read:\n";
    for (const std::string& path : unreadable)
        text += "  " + path + "\n";
    return text;
}

bool writeWhole(const std::filesystem::path& path, const std::string& text, FileOperations& files)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    // The destination is the computer's own folder: its path is taken as it stands.
    return replaceNativeFileAtomically(utf8Text(path), std::span(bytes, text.size()), files) ==
           SaveOutcome::Saved;
}

}  // namespace

std::vector<std::string> stickFilesOf(const StickTree& tree)
{
    std::vector<std::string> files;
    std::copy_if(
        tree.files.begin(), tree.files.end(), std::back_inserter(files),
        [](const std::string& path) { return path != kBackupManifestName && path != kBackupNotesName; });
    return files;
}

std::vector<std::string> backupStickLines(const StickRoot& stick, const std::optional<std::string>& refusal)
{
    std::string software = stick.softwareKind != nullptr && !refusal
                               ? std::string(stick.softwareKind->description)
                               : "not recognised: " + refusal.value_or("");
    std::replace(software.begin(), software.end(), '\n', ' ');
    const std::optional<std::uint32_t> hardwareId = readHardwareId(stick);
    return {"Stick: " + stick.rootPath, "Software: " + software,
            formatText("Language code: %d", static_cast<int>(stick.languageCode)),
            hardwareId ? formatText("Hardware id: %08X", static_cast<unsigned>(*hardwareId))
                       : std::string("Hardware id: none")};
}

BackupResult backUpStick(const std::filesystem::path& stick, const std::filesystem::path& destination,
                         const std::vector<std::string>& aboutStick, BackupProgress& progress,
                         TreeReading& reading, FileOperations& files)
{
    BackupResult result;
    const std::optional<StickTree> tree = listStickTree(stick);
    if (!tree) {
        result.outcome = BackupResult::Outcome::StickUnreadable;
        return result;
    }
    std::error_code error;
    const bool madeDestination = std::filesystem::create_directories(destination, error);
    const auto fail = [&](BackupResult::Outcome outcome, std::string path) {
        removeWritten(destination, madeDestination);
        result.outcome = outcome;
        result.failedPath = std::move(path);
        return result;
    };
    for (const std::string& folder : tree->folders) {
        if (!std::filesystem::create_directories(treePath(destination, folder), error) && error)
            return fail(BackupResult::Outcome::DestinationFailed, folder);
    }
    std::vector<ManifestEntry> manifest;
    result.unreadable = tree->unreadable;
    const std::vector<std::string> toCopy = stickFilesOf(*tree);
    for (std::size_t index = 0; index < toCopy.size(); ++index) {
        const std::string& path = toCopy[index];
        if (!progress.copying(path, index, toCopy.size()))
            return fail(BackupResult::Outcome::Cancelled, {});
        if (!fitsBackupManifest(path)) {
            result.unreadable.push_back(path);  // a restore could not read its name back
            continue;
        }
        FileDigest copied;
        const CopyOutcome outcome =
            copyFile(reading, files, treePath(stick, path), treePath(destination, path), copied,
                     [&] { return progress.copying(path, index, toCopy.size()); });
        if (outcome == CopyOutcome::Stopped)
            return fail(BackupResult::Outcome::Cancelled, {});
        if (outcome == CopyOutcome::WriteFailed)
            return fail(BackupResult::Outcome::DestinationFailed, path);
        if (outcome == CopyOutcome::Unreadable) {
            result.unreadable.push_back(path);
            continue;
        }
        manifest.push_back({hexDigest(copied.digest), path});
        ++result.files;
        result.bytes += copied.bytes;
    }
    std::sort(result.unreadable.begin(), result.unreadable.end());
    if (!writeWhole(destination / kBackupNotesName, notesText(aboutStick, result.unreadable), files))
        return fail(BackupResult::Outcome::DestinationFailed, kBackupNotesName);
    if (!writeWhole(destination / kBackupManifestName, formatBackupManifest(manifest), files))
        return fail(BackupResult::Outcome::DestinationFailed, kBackupManifestName);
    return result;
}

std::optional<std::string> backupFailure(const BackupResult& result, std::string_view destination)
{
    switch (result.outcome) {
    case BackupResult::Outcome::StickUnreadable:
        return "the stick's folder cannot be read; nothing was backed up";
    case BackupResult::Outcome::DestinationFailed:
        return "cannot write " + result.failedPath + " in " + std::string(destination) +
               "; the backup was removed";
    case BackupResult::Outcome::Cancelled:
        return "the backup was cancelled; what it had written was removed";
    case BackupResult::Outcome::Done:
        break;
    }
    return std::nullopt;
}

std::string backupSummary(const BackupResult& result, std::string_view destination)
{
    return std::to_string(result.files) + " files, " + std::to_string(result.bytes) + " bytes backed up to " +
           std::string(destination);
}

}  // namespace morvane
