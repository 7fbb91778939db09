// morvane-cli restore BACKUP STICK [--dry-run] [--force]: a checked backup written back
// onto the stick, file by file, each atomically.
#include <array>

#include "app/StickRestore.h"
#include "base/Utf8Path.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/StickArgument.h"
#include "cli/TerminalProgress.h"
#include "stick/Detection.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 2> kOptions{{{"--dry-run", false}, {"--force", false}}};

// Writes the plan's files and prints a line for each; each file that could not be
// written is said so. Answers whether every file was written.
bool carryOut(const std::vector<RestoreStep>& plan, const std::filesystem::path& backup,
              const std::vector<ManifestEntry>& manifest, bool dryRun, const CommandContext& context)
{
    RestoreResult result;
    {
        TerminalProgress progress(context.err, context.errIsTerminal, "restoring");
        result = restoreStick(plan, backup, manifest, dryRun, progress);
    }
    for (const std::string& line : result.lines)
        context.out << line << '\n';
    for (const std::string& path : result.unwritten)
        context.err << "morvane-cli: cannot write " << path << "; the stick's file is as it was\n";
    if (result.cancelled)
        context.err << "morvane-cli: the restore was cancelled; running it again completes it\n";
    return result.unwritten.empty() && !result.cancelled;
}

// Why the backup may not be restored, or none; a line on a terminal shows each file read.
std::optional<std::string> checkedBackup(const std::filesystem::path& backup,
                                         std::vector<ManifestEntry>& manifest, const CommandContext& context)
{
    TerminalProgress progress(context.err, context.errIsTerminal, "checking the backup");
    return damagedBackup(backup, manifest, progress);
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
    if (const std::optional<std::string> damage = checkedBackup(backup, manifest, context)) {
        context.err << *damage << "; nothing was written\n";
        return kExitNotProduced;
    }
    // Only a stick that opens is written to: a folder mistyped for it never gets the files.
    StickRoot stick, fromBackup;
    if (!openStickArgument(parsed->positionals[1], stick, context.err))
        return kExitStickError;
    fromBackup.rootPath = utf8Text(backup);
    detectSoftware(fromBackup);
    if (const std::optional<std::string> other = otherRobotOrSoftware(fromBackup, stick);
        other && !parsed->has("--force")) {
        context.err << *other << "; nothing was written (--force restores it all the same)\n";
        return kExitNotProduced;
    }
    std::optional<std::vector<RestoreStep>> plan;
    {
        TerminalProgress progress(context.err, context.errIsTerminal, "comparing");
        plan = planRestore(manifest, progress);
    }
    if (!plan) {
        context.err << "morvane-cli: the restore was cancelled; nothing was written\n";
        return kExitNotProduced;
    }
    const bool allWritten = carryOut(*plan, backup, manifest, parsed->has("--dry-run"), context);
    return allWritten ? kExitOk : kExitNotProduced;
}

}  // namespace morvane::cli
