// Every file is read to its end through the hash, so a failing stick shows up here first.
// Paths are compared in ASCII lower case, as the stick's FAT file system compares them.
#include "app/StickCheck.h"

#include <algorithm>
#include <functional>

#include "app/FileDigest.h"
#include "app/StickBackup.h"
#include "base/Utf8Path.h"
#include "reports/StickFormatCheck.h"
#include "stick/GzipMember.h"
#include "stick/OsFile.h"
#include "stick/StickFileBytes.h"
#include "stick/StickTree.h"

namespace morvane {
namespace {

// A manifest longer than this is no backup's: it is not read whole.
constexpr std::size_t kLargestManifest = std::size_t{64} * 1024 * 1024;

// Whether the listing could not see `path`: it is named unreadable, or lies below a folder
// that is.
bool unseen(const std::string& path, const std::vector<std::string>& unreadable)
{
    return std::any_of(unreadable.begin(), unreadable.end(), [&](const std::string& hidden) {
        return path == hidden || path.starts_with(hidden + "/");
    });
}

// The files' digests (none for a file not read whole) against the manifest: a file it does
// not list is extra, one it lists with another digest changed, and what it lists that no
// file matched is missing, unless the listing could not see it (`unreadable`).
void compareWithManifest(const StickTree& tree, const std::vector<std::string>& files,
                         const std::vector<std::optional<std::string>>& digests,
                         const std::vector<ManifestEntry>& manifest, std::vector<CheckProblem>& problems)
{
    const std::vector<std::optional<std::size_t>> entryOf = matchTreePaths(files, manifestPaths(manifest));
    std::vector<bool> matched(manifest.size());
    for (std::size_t index = 0; index < files.size(); ++index) {
        if (!entryOf[index]) {
            problems.push_back({"extra", files[index], {}});
            continue;
        }
        matched[*entryOf[index]] = true;
        if (digests[index] && *digests[index] != manifest[*entryOf[index]].digest)
            problems.push_back({"changed", files[index], {}});
    }
    for (std::size_t at = 0; at < manifest.size(); ++at) {
        if (!matched[at] && !unseen(manifest[at].path, tree.unreadable))
            problems.push_back({"missing", manifest[at].path, {}});
    }
}

// The file's digest; `compressed` tells whether it starts like a gzip member. `goOn` is
// asked within a large file.
FileDigest digestNoticingCompression(TreeReading& reading, const std::filesystem::path& path,
                                     bool& compressed, const std::function<bool()>& goOn)
{
    bool first = true;
    return digestFile(
        reading, path,
        [&](std::span<const std::uint8_t> chunk) {
            compressed = compressed || (first && startsGzipMember(chunk));
            first = false;
            return true;
        },
        goOn);
}

// Whether the file at `path`, which starts like a compressed stick file, cannot be read as
// one: every reader of the stick then finds it unreadable.
bool failsToDecompress(const std::filesystem::path& path)
{
    const std::optional<StickFileBytes> bytes = StickFileBytes::open(utf8Text(path));
    return !bytes || !bytes->readable();
}

}  // namespace

std::string CheckProblem::line() const
{
    return kind + ": " + path + (reason.empty() ? "" : " (" + reason + ")");
}

CheckResult checkStick(const std::filesystem::path& stick,
                       const std::optional<std::vector<ManifestEntry>>& manifest, ReadProgress& progress,
                       TreeReading& reading)
{
    CheckResult result;
    const std::optional<StickTree> tree = listStickTree(stick);
    if (!tree) {
        result.outcome = CheckResult::Outcome::StickUnreadable;
        return result;
    }
    for (const std::string& path : tree->unreadable)
        result.problems.push_back({"unreadable", path, {}});
    const std::vector<std::string> files = stickFilesOf(*tree);
    std::vector<std::optional<std::string>> digests;  // of the files read whole
    for (std::size_t index = 0; index < files.size(); ++index) {
        if (!progress.reading(files[index], index, files.size())) {
            result.outcome = CheckResult::Outcome::Cancelled;
            return result;
        }
        ++result.files;
        const std::filesystem::path path = treePath(stick, files[index]);
        bool compressed = false;
        const FileDigest read = digestNoticingCompression(
            reading, path, compressed, [&] { return progress.reading(files[index], index, files.size()); });
        if (read.outcome == FileDigest::Outcome::Stopped) {
            result.outcome = CheckResult::Outcome::Cancelled;
            return result;
        }
        const bool whole = read.outcome == FileDigest::Outcome::Read;
        if (!whole)
            result.problems.push_back({"unreadable", files[index], {}});
        else if (compressed && failsToDecompress(path))
            result.problems.push_back({"bad", files[index], "does not decompress"});
        digests.push_back(whole ? std::optional(hexDigest(read.digest)) : std::nullopt);
    }
    if (manifest)
        compareWithManifest(*tree, files, digests, *manifest, result.problems);
    StickRoot root;
    root.rootPath = utf8Text(stick);
    for (FormatDefect& defect : checkStickFormats(root))
        result.problems.push_back({"bad", std::move(defect.path), std::move(defect.reason)});
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const CheckProblem& a, const CheckProblem& b) { return a.path < b.path; });
    return result;
}

std::optional<ParsedManifest> readBackupManifest(const std::filesystem::path& backup)
{
    std::optional<OsFile> file = OsFile::openExisting(nativeStickPath(utf8Text(backup), kBackupManifestName));
    if (!file)
        return std::nullopt;
    std::string text;
    char chunk[4096];
    std::optional<std::size_t> got;
    while (text.size() < kLargestManifest && (got = file->read(chunk, sizeof chunk)) && *got > 0)
        text.append(chunk, *got);
    ParsedManifest parsed = parseBackupManifest(text);
    parsed.whole = got == std::size_t{0};
    return parsed;
}

ManifestChoice manifestToCompare(const std::optional<std::filesystem::path>& backup,
                                 const std::filesystem::path& stick)
{
    std::optional<ParsedManifest> manifest = readBackupManifest(backup.value_or(stick));
    const std::string name = backup ? "the backup " + utf8Text(*backup) : "the stick";
    if (!manifest && !backup)
        return {};
    if (!manifest)
        return {std::nullopt, name + " holds no " + kBackupManifestName + ": the backup is incomplete"};
    if (!manifest->whole || manifest->badLine != 0)
        return {
            std::nullopt,
            "the manifest of " + name + " is damaged" +
                (manifest->whole ? " (line " + std::to_string(manifest->badLine) + " does not parse)" : "")};
    return {std::move(manifest->entries), {}};
}

std::string checkFailure(CheckResult::Outcome outcome)
{
    switch (outcome) {
    case CheckResult::Outcome::Cancelled:
        return "the check was cancelled";
    case CheckResult::Outcome::StickUnreadable:
        return "the stick's folder cannot be read";
    case CheckResult::Outcome::Done:
        break;
    }
    return {};
}

std::vector<std::string> checkReportLines(const CheckResult& result)
{
    std::vector<std::string> lines;
    for (const CheckProblem& problem : result.problems)
        lines.push_back(problem.line());
    lines.push_back(std::to_string(result.files) + " files checked, " +
                    std::to_string(result.problems.size()) + " problems");
    return lines;
}

}  // namespace morvane
