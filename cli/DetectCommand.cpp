// morvane-cli detect STICK: what software detection recorded for the stick.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/StickArgument.h"
#include "stick/SoftwareKind.h"

namespace morvane::cli {

int runDetect(const CommandContext& context)
{
    std::string error;
    std::optional<ParsedArgs> parsed = parseArgs(context.args, {}, error);
    if (!parsed)
        return reportUsageError(context.err, "detect: " + error);
    if (parsed->positionals.size() != 1)
        return reportUsageError(context.err, parsed->positionals.empty() ? "detect: missing STICK"
                                                                         : "detect: too many arguments");
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    context.out << "Version: " << stick.softwareKind->description << '\n';
    context.out << "Language code: " << stick.languageCode << '\n';
    return kExitOk;
}

}  // namespace morvane::cli
