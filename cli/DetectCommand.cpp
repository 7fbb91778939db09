// morvane-cli detect STICK: what software detection recorded for the stick.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/StickArgument.h"
#include "stick/SoftwareKind.h"

namespace morvane::cli {

int runDetect(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("detect", context.args, {}, context.err);
    if (!parsed)
        return kExitUsage;
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    context.out << "Version: " << stick.softwareKind->description << '\n';
    context.out << "Language code: " << stick.languageCode << '\n';
    return kExitOk;
}

}  // namespace morvane::cli
