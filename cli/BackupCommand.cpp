// morvane-cli backup STICK DEST: the stick copied whole into a new folder, its manifest
// written last.
#include "app/BackupDestination.h"
#include "app/StickBackup.h"
#include "app/StickOpening.h"
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

int reportBackup(const BackupResult& result, std::string_view destination, const CommandContext& context)
{
    if (const std::optional<std::string> failure = backupFailure(result, destination)) {
        context.err << "morvane-cli: " << *failure << '\n';
        return kExitNotProduced;
    }
    for (const std::string& path : result.unreadable)
        context.err << "unreadable: " << path << '\n';
    context.out << backupSummary(result, destination) << '\n';
    return result.unreadable.empty() ? kExitOk : kExitNotProduced;
}

}  // namespace

int runBackup(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed =
        parseCommandArgs("backup", context.args, {}, context.err, 2, "needs STICK and DEST");
    if (!parsed)
        return kExitUsage;
    const std::string& destinationArgument = parsed->positionals[1];
    const std::filesystem::path destination = outputPath(destinationArgument);
    StreamMessages messages(context.err);
    if (!enterCommandLineDirectory(parsed->positionals[0], messages))
        return kExitStickError;
    StickRoot stick;
    stick.rootPath = currentDirectory().value_or(std::string());
    // A refused stick is backed up all the same: it may be the robot's, damaged. Its refusal
    // is told once the backup goes ahead, so that a usage error stays one line.
    const std::optional<std::string> refusal = detectSoftware(stick);
    if (const std::optional<std::string> why =
            unsuitableBackupDestination(utf8Path(stick.rootPath), destination))
        return reportUsageError(context.err, "backup: " + *why);
    if (refusal)
        messages.showMessage(stickOpenError(*refusal));
    BackupResult result;
    {
        TerminalProgress progress(context.err, context.errIsTerminal, "backing up");
        result =
            backUpStick(utf8Path(stick.rootPath), destination, backupStickLines(stick, refusal), progress);
    }
    return reportBackup(result, destinationArgument, context);
}

}  // namespace morvane::cli
