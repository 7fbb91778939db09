// Checking a stick, or a backup: every byte of every file read, the formats' own rules,
// and, against a backup's manifest, what changed, went missing or was added.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/BackupManifest.h"
#include "stick/ReadProgress.h"
#include "stick/TreeReading.h"

namespace morvane {

struct CheckProblem {
    std::string kind;    // "unreadable", "changed", "missing", "extra" or "bad"
    std::string path;    // with '/' between the parts
    std::string reason;  // for "bad"

    // "KIND: PATH", with " (REASON)" for a bad one.
    std::string line() const;
};

struct CheckResult {
    enum class Outcome { Done, Cancelled, StickUnreadable };
    Outcome outcome = Outcome::Done;
    std::size_t files = 0;               // files checked
    std::vector<CheckProblem> problems;  // in path order
};

// Checks the tree under `stick`; with `manifest`, compares each file's digest with it, paths
// matched as written first, then in other letter case. A backup's own two files are neither read nor
// counted.
CheckResult checkStick(const std::filesystem::path& stick,
                       const std::optional<std::vector<ManifestEntry>>& manifest, ReadProgress& progress,
                       TreeReading& reading = systemTreeReading());

// The manifest of the backup at `backup`: none when there is none (the backup is
// incomplete), or its parse with the first bad line.
std::optional<ParsedManifest> readBackupManifest(const std::filesystem::path& backup);

struct ManifestChoice {
    std::optional<std::vector<ManifestEntry>> manifest;  // none: the check compares with none
    std::string problem;                                 // why there is no good manifest, or ""
};

// The manifest a check of the stick at `stick` compares with: the backup's at `backup`,
// or without one the stick's own, when it is a backup. A backup without a manifest, or a
// manifest that cannot be read whole, gives a problem.
ManifestChoice manifestToCompare(const std::optional<std::filesystem::path>& backup,
                                 const std::filesystem::path& stick);

// Why a check ended without its report ("the check was cancelled", ...); "" for one done.
std::string checkFailure(CheckResult::Outcome outcome);

// The lines a finished check reports: one per problem, then "N files checked, K problems".
std::vector<std::string> checkReportLines(const CheckResult& result);

}  // namespace morvane
