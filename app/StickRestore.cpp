// The backup is checked whole before anything is written, and each file again as it is
// copied: a file whose bytes are not its manifest's never replaces the stick's.
#include "app/StickRestore.h"

#include <algorithm>

#include "app/FileDigest.h"
#include "app/StickBackup.h"
#include "app/StickCheck.h"
#include "base/TextFormat.h"
#include "base/Utf8Path.h"
#include "reports/HardwareId.h"
#include "stick/AtomicFile.h"
#include "stick/OsFile.h"
#include "stick/SoftwareKind.h"
#include "stick/StickTree.h"

namespace morvane {
namespace {

std::string withBackslashes(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The manifest's entry for `path`; a plan takes its paths from the manifest.
const ManifestEntry& entryFor(const std::vector<ManifestEntry>& manifest, const std::string& path)
{
    return *std::find_if(manifest.begin(), manifest.end(),
                         [&](const ManifestEntry& entry) { return entry.path == path; });
}

// Where a restored file goes: onto the stick's file that the plan matched, else under the
// backup's name, as written, in its folder as the stick spells it.
std::filesystem::path restoreTarget(const RestoreStep& step)
{
    if (!step.onStick.empty())
        return utf8Path(nativeStickPath(withBackslashes(step.onStick)));
    const std::size_t slash = step.path.rfind('/');
    if (slash == std::string::npos)
        return utf8Path(step.path);
    return utf8Path(nativeStickPath(withBackslashes(step.path.substr(0, slash)))) /
           utf8Path(step.path.substr(slash + 1));
}

// Files that the desktops' file browsers leave in any folder they show (Finder's view
// settings and the resource forks it writes on other disks, Explorer's thumbnails and view
// settings): a backup that was only looked at is not damaged by them.
bool isBrowserLeftover(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return name == ".DS_Store" || name.starts_with("._") || name == "Thumbs.db" || name == "desktop.ini";
}

std::string hardwareIdText(std::uint32_t id) { return formatText("%08X", static_cast<unsigned>(id)); }

}  // namespace

std::optional<std::string> damagedBackup(const std::filesystem::path& backup,
                                         std::vector<ManifestEntry>& manifest, ReadProgress& progress,
                                         TreeReading& reading)
{
    const std::string name = "The backup " + utf8Text(backup);
    std::optional<ParsedManifest> parsed = readBackupManifest(backup);
    if (!parsed)
        return name + " holds no " + kBackupManifestName + ": it is incomplete";
    if (!parsed->whole || parsed->badLine != 0)
        return name + " is damaged: its manifest cannot be read";
    const CheckResult checked = checkStick(backup, parsed->entries, progress, reading);
    if (checked.outcome == CheckResult::Outcome::Cancelled)
        return std::string("The restore was cancelled");
    // A file the manifest does not list tells a manifest cut short, whose restore would
    // leave that file out without a word.
    for (const CheckProblem& problem : checked.problems) {
        if (problem.kind == "extra" && !isBrowserLeftover(problem.path))
            return name + " is incomplete: its manifest does not list " + problem.path;
        if (problem.kind != "bad" && problem.kind != "extra")
            return name + " is damaged: " + problem.line();
    }
    if (parsed->entries.empty())
        return name + " is incomplete: its manifest lists no file";
    manifest = std::move(parsed->entries);
    return std::nullopt;
}

std::optional<std::string> otherRobotOrSoftware(const StickRoot& backup, const StickRoot& stick)
{
    const std::optional<std::uint32_t> backupId = readHardwareId(backup);
    const std::optional<std::uint32_t> stickId = readHardwareId(stick);
    if (backupId && stickId && *backupId != *stickId)
        return "The backup is of another robot: its hardware id is " + hardwareIdText(*backupId) +
               ", the stick's is " + hardwareIdText(*stickId);
    // A backup whose software the detection does not know (made of a damaged stick) would
    // put its damage onto a stick that opens.
    if (stick.softwareKind != nullptr && backup.softwareKind != stick.softwareKind)
        return "The backup holds other software: " +
               std::string(backup.softwareKind != nullptr ? backup.softwareKind->description
                                                          : "none that Morvane recognises") +
               ", the stick holds " + stick.softwareKind->description;
    return std::nullopt;
}

std::optional<std::vector<RestoreStep>> planRestore(const std::vector<ManifestEntry>& manifest,
                                                    ReadProgress& progress, TreeReading& reading)
{
    const std::filesystem::path stick = utf8Path(currentDirectory().value_or("."));
    std::vector<std::string> onStick;
    if (const std::optional<StickTree> tree = listStickTree(stick))
        onStick = stickFilesOf(*tree);
    const std::vector<std::optional<std::size_t>> stickFileOf =
        matchTreePaths(manifestPaths(manifest), onStick);
    std::vector<bool> matched(onStick.size());
    std::vector<RestoreStep> steps;
    for (std::size_t index = 0; index < manifest.size(); ++index) {
        if (!stickFileOf[index]) {
            steps.push_back({RestoreStep::Kind::Restore, manifest[index].path, {}});
            continue;
        }
        const std::string& path = onStick[*stickFileOf[index]];
        matched[*stickFileOf[index]] = true;
        if (!progress.reading(path, index, manifest.size()))
            return std::nullopt;
        const FileDigest current = digestFile(reading, treePath(stick, path), {},
                                              [&] { return progress.reading(path, index, manifest.size()); });
        if (current.outcome == FileDigest::Outcome::Stopped)
            return std::nullopt;
        if (current.outcome != FileDigest::Outcome::Read ||
            hexDigest(current.digest) != manifest[index].digest)
            steps.push_back({RestoreStep::Kind::Restore, manifest[index].path, path});
    }
    for (std::size_t at = 0; at < onStick.size(); ++at) {
        if (!matched[at])
            steps.push_back({RestoreStep::Kind::Keep, onStick[at], {}});
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const RestoreStep& a, const RestoreStep& b) { return a.path < b.path; });
    return steps;
}

// Whether a folder of `target` (relative to the stick root) is a link. Only a copy of a
// stick holds one, and it may lead out of the stick: the backup did not follow it, and a
// restore writes nothing through it. The standard library of the Windows build does not
// tell links from what they lead to, so there the backup followed it and so does this.
bool passesThroughLink(const std::filesystem::path& target)
{
    std::filesystem::path folder;
    std::error_code error;
    for (const std::filesystem::path& part : target.parent_path()) {
        folder /= part;
        if (std::filesystem::is_symlink(std::filesystem::symlink_status(folder, error)))
            return true;
    }
    return false;
}

// Makes `folder` with the folders above it that are missing, and answers those it made,
// deepest first.
std::vector<std::filesystem::path> makeFolders(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> made;
    std::error_code error;
    for (std::filesystem::path at = folder;
         !at.empty() && !std::filesystem::exists(std::filesystem::symlink_status(at, error));
         at = at.parent_path())
        made.push_back(at);
    std::filesystem::create_directories(folder, error);
    return made;
}

// Removes the folders a file that was not written needed, deepest first, so that the stick
// is as it was; a folder that holds something meanwhile stays.
void removeFolders(const std::vector<std::filesystem::path>& made)
{
    std::error_code error;
    for (const std::filesystem::path& folder : made)
        std::filesystem::remove(folder, error);
}

bool restoreFile(const std::filesystem::path& backup, const RestoreStep& step, const std::string& digest,
                 TreeReading& reading, FileOperations& files, const std::function<bool()>& goOn)
{
    const std::filesystem::path target = restoreTarget(step);
    if (passesThroughLink(target))
        return false;
    std::error_code error;
    // Something stands where the stick had no file: on a disk that ignores letter case,
    // the file of another entry spelt otherwise. It is not written over.
    if (step.onStick.empty() && std::filesystem::exists(std::filesystem::symlink_status(target, error)))
        return false;
    const std::vector<std::filesystem::path> madeFolders = makeFolders(target.parent_path());
    const std::filesystem::path source = treePath(backup, step.path);
    const SaveOutcome saved = replaceNativeFileAtomically(
        utf8Text(target),
        [&](FileOperations::Handle file) {
            const FileDigest copied = digestFile(
                reading, source,
                [&](std::span<const std::uint8_t> chunk) { return files.write(file, chunk); }, goOn);
            return copied.outcome == FileDigest::Outcome::Read && hexDigest(copied.digest) == digest;
        },
        files);
    if (saved != SaveOutcome::Saved) {
        removeFolders(madeFolders);
        return false;
    }
    std::filesystem::last_write_time(target, std::filesystem::last_write_time(source, error), error);
    return true;
}

RestoreResult restoreStick(const std::vector<RestoreStep>& plan, const std::filesystem::path& backup,
                           const std::vector<ManifestEntry>& manifest, bool dryRun, RestoreProgress& progress)
{
    RestoreResult result;
    std::size_t restored = 0;
    for (std::size_t index = 0; index < plan.size() && !result.cancelled; ++index) {
        const RestoreStep& step = plan[index];
        const auto goOn = [&] {
            result.cancelled = !progress.restoring(step.path, index, plan.size());
            return !result.cancelled;
        };
        if (!goOn())
            break;
        if (step.kind == RestoreStep::Kind::Keep) {
            result.lines.push_back("kept: " + step.path);
        } else if (dryRun) {
            result.lines.push_back("would restore: " + step.path);
            ++restored;
        } else if (restoreFile(backup, step, entryFor(manifest, step.path).digest, systemTreeReading(),
                               systemFileOperations(), goOn)) {
            result.lines.push_back("restored: " + step.path);
            ++restored;
        } else if (!result.cancelled) {
            result.unwritten.push_back(step.path);
        }
    }
    result.lines.push_back(std::to_string(restored) +
                           (dryRun ? " files would be restored" : " files restored"));
    return result;
}

}  // namespace morvane
