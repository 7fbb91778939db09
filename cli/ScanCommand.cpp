// morvane-cli scan: the stick roots among the places where removable media appear.
#include "app/StickScan.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"

namespace morvane::cli {

int runScan(const CommandContext& context)
{
    std::string error;
    std::optional<ParsedArgs> parsed = parseArgs(context.args, {}, error);
    if (!parsed)
        return reportUsageError(context.err, "scan: " + error);
    if (!parsed->positionals.empty())
        return reportUsageError(context.err, "scan: takes no arguments");
    const std::vector<std::string> roots = rootsWithStickMarker(removableMediaRoots());
    for (const std::string& root : roots)
        context.out << root << '\n';
    return roots.empty() ? kExitNotProduced : kExitOk;
}

}  // namespace morvane::cli
