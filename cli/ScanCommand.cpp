// morvane-cli scan: the stick roots among the places where removable media appear.
#include "app/StickScan.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"

namespace morvane::cli {

int printStickRoots(const MediaSearch& search, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string> roots = rootsWithStickMarker(search.roots);
    for (const std::string& root : roots)
        out << root << '\n';
    if (!roots.empty())
        return kExitOk;
    err << "No stick found; searched:\n";
    for (const std::string& place : search.searched)
        err << "  " << place << '\n';
    return kExitNotProduced;
}

int runScan(const CommandContext& context)
{
    std::string error;
    std::optional<ParsedArgs> parsed = parseArgs(context.args, {}, error);
    if (!parsed)
        return reportUsageError(context.err, "scan: " + error);
    if (!parsed->positionals.empty())
        return reportUsageError(context.err, "scan: takes no arguments");
    return printStickRoots(removableMediaSearch(), context.out, context.err);
}

}  // namespace morvane::cli
