// morvane-cli check STICK [--against BACKUP]: every byte read, the formats' rules, and a
// comparison with a backup's manifest (or with the stick's own, when it is a backup).
#include <array>

#include "app/StickCheck.h"
#include "app/StickOpening.h"
#include "base/Utf8Path.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/StreamMessages.h"
#include "cli/TerminalProgress.h"
#include "stick/OsFile.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"--against", true}}};

}  // namespace

int runCheck(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("check", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    const std::optional<std::filesystem::path> against = pathOption(*parsed, "--against");
    StreamMessages messages(context.err);
    if (!enterCommandLineDirectory(parsed->positionals[0], messages))
        return kExitStickError;
    const std::filesystem::path stick = utf8Path(currentDirectory().value_or(std::string()));
    const ManifestChoice choice = manifestToCompare(against, stick);
    if (!choice.problem.empty()) {
        context.err << "morvane-cli: " << choice.problem << '\n';
        return kExitNotProduced;
    }
    CheckResult result;
    {
        TerminalProgress progress(context.err, context.errIsTerminal, "checking");
        result = checkStick(stick, choice.manifest, progress);
    }
    if (result.outcome != CheckResult::Outcome::Done) {
        context.err << "morvane-cli: " << checkFailure(result.outcome) << '\n';
        return kExitNotProduced;
    }
    for (const std::string& line : checkReportLines(result))
        context.out << line << '\n';
    return result.problems.empty() ? kExitOk : kExitNotProduced;
}

}  // namespace morvane::cli
