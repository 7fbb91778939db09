// morvane-cli restore BACKUP STICK [--dry-run] [--force]: a checked backup written back
// onto the stick, file by file, each atomically.
#include <algorithm>
#include <array>

#include "app/StickOpening.h"
#include "app/StickRestore.h"
#include "base/Utf8Path.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/StreamMessages.h"
#include "cli/TerminalProgress.h"
#include "stick/Detection.h"
#include "stick/OsFile.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 2> kOptions{{{"--dry-run", false}, {"--force", false}}};

// The manifest's entry for `path`; the plan takes its paths from the manifest.
const ManifestEntry& entryFor(const std::vector<ManifestEntry>& manifest, const std::string& path)
{
    return *std::find_if(manifest.begin(), manifest.end(),
                         [&](const ManifestEntry& entry) { return entry.path == path; });
}

// Writes the plan's files; each file the stick keeps, or that could not be written, is
// said so. Answers whether every file was written.
bool carryOut(const std::vector<RestoreStep>& plan, const std::filesystem::path& backup,
              const std::vector<ManifestEntry>& manifest, bool dryRun, const CommandContext& context)
{
    // Each file's line is the progress; Ctrl+C stops before the next file.
    TerminalProgress progress(context.err, false, "restoring");
    std::size_t restored = 0;
    bool allWritten = true;
    for (std::size_t index = 0; index < plan.size(); ++index) {
        const RestoreStep& step = plan[index];
        if (!progress.restoring(step.path, index, plan.size())) {
            context.err << "morvane-cli: the restore was cancelled; running it again completes it\n";
            allWritten = false;
            break;
        }
        if (step.kind == RestoreStep::Kind::Keep) {
            context.out << "kept: " << step.path << '\n';
        } else if (dryRun) {
            context.out << "would restore: " << step.path << '\n';
            ++restored;
        } else if (restoreFile(backup, step.path, entryFor(manifest, step.path).digest)) {
            context.out << "restored: " << step.path << '\n';
            ++restored;
        } else {
            context.err << "morvane-cli: cannot write " << step.path << "; the stick's file is as it was\n";
            allWritten = false;
        }
    }
    context.out << restored << (dryRun ? " files would be restored\n" : " files restored\n");
    return allWritten;
}

}  // namespace

int runRestore(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed =
        parseCommandArgs("restore", context.args, kOptions, context.err, 2, "needs BACKUP and STICK");
    if (!parsed)
        return kExitUsage;
    const std::filesystem::path backup = outputPath(parsed->positionals[0]);
    std::vector<ManifestEntry> manifest;
    if (const std::optional<std::string> damage = damagedBackup(backup, manifest)) {
        context.err << *damage << "; nothing was written\n";
        return kExitNotProduced;
    }
    StreamMessages messages(context.err);
    if (!enterCommandLineDirectory(parsed->positionals[1], messages))
        return kExitStickError;
    StickRoot stick, fromBackup;
    stick.rootPath = currentDirectory().value_or(std::string());
    fromBackup.rootPath = utf8Text(backup);
    detectSoftware(stick);
    detectSoftware(fromBackup);
    if (const std::optional<std::string> other = otherRobotOrSoftware(fromBackup, stick);
        other && !parsed->has("--force")) {
        context.err << *other << "; nothing was written (--force restores it all the same)\n";
        return kExitNotProduced;
    }
    const bool allWritten =
        carryOut(planRestore(manifest), backup, manifest, parsed->has("--dry-run"), context);
    return allWritten ? kExitOk : kExitNotProduced;
}

}  // namespace morvane::cli
