// Every file is read to its end through the hash, so a failing stick shows up here first.
// Paths are compared in ASCII lower case, as the stick's FAT file system compares them.
#include "app/StickCheck.h"

#include <algorithm>
#include <map>

#include "app/FileDigest.h"
#include "app/StickBackup.h"
#include "base/Utf8Path.h"
#include "reports/StickFormatCheck.h"
#include "stick/OsFile.h"
#include "stick/StickPath.h"
#include "stick/StickTree.h"

namespace morvane {
namespace {

// A manifest longer than this is no backup's: it is not read whole.
constexpr std::size_t kLargestManifest = std::size_t{64} * 1024 * 1024;

bool isBackupFile(const std::string& path) { return path == kBackupManifestName || path == kBackupNotesName; }

// Compares one file's digest with the manifest, and crosses it off there.
void compareWithManifest(const std::string& path, const std::optional<std::string>& digest,
                         std::map<std::string, const ManifestEntry*>& expected, CheckResult& result)
{
    const auto entry = expected.find(foldedTreePath(path));
    if (entry == expected.end()) {
        result.problems.push_back({"extra", path, {}});
        return;
    }
    if (digest && *digest != entry->second->digest)
        result.problems.push_back({"changed", path, {}});
    expected.erase(entry);
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
    std::map<std::string, const ManifestEntry*> expected;
    if (manifest)
        for (const ManifestEntry& entry : *manifest)
            expected.emplace(foldedTreePath(entry.path), &entry);
    for (std::size_t index = 0; index < tree->files.size(); ++index) {
        const std::string& path = tree->files[index];
        if (isBackupFile(path))
            continue;
        if (!progress.reading(path, index, tree->files.size())) {
            result.outcome = CheckResult::Outcome::Cancelled;
            return result;
        }
        ++result.files;
        const FileDigest read = digestFile(reading, treePath(stick, path));
        const bool whole = read.outcome == FileDigest::Outcome::Read;
        if (!whole)
            result.problems.push_back({"unreadable", path, {}});
        if (manifest)
            compareWithManifest(path, whole ? std::optional(hexDigest(read.digest)) : std::nullopt, expected,
                                result);
    }
    for (const auto& [key, entry] : expected)
        result.problems.push_back({"missing", entry->path, {}});
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
    std::optional<OsFile> file = OsFile::openExisting(joinStickPath(utf8Text(backup), kBackupManifestName));
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
