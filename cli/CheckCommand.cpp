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

// The manifest to compare with: the named backup's, or the stick's own. On a backup
// that cannot give one the message is on `err` and the answer is none.
std::optional<std::optional<std::vector<ManifestEntry>>>
manifestToCompare(const std::optional<std::filesystem::path>& against, const std::filesystem::path& stick,
                  std::ostream& err)
{
    std::optional<ParsedManifest> manifest = readBackupManifest(against.value_or(stick));
    const std::string name = against ? "the backup " + utf8Text(*against) : "the stick";
    if (!manifest && !against)
        return std::optional<std::vector<ManifestEntry>>();
    if (!manifest) {
        err << "morvane-cli: " << name << " holds no MORVANE-BACKUP.sha256: the backup is incomplete\n";
        return std::nullopt;
    }
    if (!manifest->whole || manifest->badLine != 0) {
        err << "morvane-cli: the manifest of " << name << " is damaged"
            << (manifest->whole ? " (line " + std::to_string(manifest->badLine) + " does not parse)" : "")
            << '\n';
        return std::nullopt;
    }
    return std::optional(std::move(manifest->entries));
}

}  // namespace

int runCheck(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("check", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    std::optional<std::filesystem::path> against;
    if (const auto option = parsed->options.find("--against"); option != parsed->options.end())
        against = outputPath(option->second);
    StreamMessages messages(context.err);
    if (!enterCommandLineDirectory(parsed->positionals[0], messages))
        return kExitStickError;
    const std::filesystem::path stick = utf8Path(currentDirectory().value_or(std::string()));
    const auto manifest = manifestToCompare(against, stick, context.err);
    if (!manifest)
        return kExitNotProduced;
    CheckResult result;
    {
        TerminalProgress progress(context.err, context.errIsTerminal, "checking");
        result = checkStick(stick, *manifest, progress);
    }
    if (result.outcome != CheckResult::Outcome::Done) {
        context.err << (result.outcome == CheckResult::Outcome::Cancelled
                            ? "morvane-cli: the check was cancelled\n"
                            : "morvane-cli: the stick's folder cannot be read\n");
        return kExitNotProduced;
    }
    for (const CheckProblem& problem : result.problems)
        context.out << problem.line() << '\n';
    context.out << result.files << " files checked, " << result.problems.size() << " problems\n";
    return result.problems.empty() ? kExitOk : kExitNotProduced;
}

}  // namespace morvane::cli
