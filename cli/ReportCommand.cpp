// morvane-cli report ENTRY STICK [--crlf]: selects the entry in the same report tree the
// window builds, runs the same selection handler, and prints the information list.
#include <algorithm>
#include <array>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/StickArgument.h"
#include "reports/ReportTree.h"
#include "ui/MemoryTreeControl.h"

namespace morvane::cli {
namespace {

class NoWaitCursor : public WaitCursor {
public:
    void begin() override {}
    void end() override {}
};

constexpr std::array<OptionSpec, 1> kOptions{{{"--crlf", false}}};

struct ReportRun {
    MemoryTreeControl tree;
    MemoryInfoList list;
    NoWaitCursor cursor;
    StickRoot& stick;
    std::string_view lineEnd;

    ReportRun(StickRoot& openedStick, bool crlf) : stick(openedStick), lineEnd(crlf ? "\r\n" : "\n")
    {
        buildReportTree(tree);
    }
    ~ReportRun() { releaseReportTree(tree); }

    // Entry `index` of the tree's table, which is also its place in display order.
    ReportOutcome show(std::size_t index)
    {
        tree.select(tree.itemsInDisplayOrder().at(index));
        return showSelectedReport(tree, list, cursor, stick);
    }

    void print(std::ostream& out) const
    {
        for (const std::string& line : list.lines())
            out << line << lineEnd;
    }
};

int printAll(ReportRun& run, std::ostream& out)
{
    for (std::size_t index = 0; index < reportEntries().size(); ++index) {
        run.show(index);
        out << "== " << reportEntries()[index].title << " ==" << run.lineEnd;
        run.print(out);
        out << run.lineEnd;
    }
    return kExitOk;
}

int printOne(ReportRun& run, std::size_t index, std::ostream& out)
{
    const ReportOutcome outcome = run.show(index);
    run.print(out);
    return outcome == ReportOutcome::Produced ? kExitOk : kExitNotProduced;
}

// The entry's place in the tree's table, or none for a name the table does not give.
std::optional<std::size_t> findEntry(std::string_view name)
{
    const std::span<const ReportEntry> entries = reportEntries();
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const ReportEntry& entry) { return entry.commandName == name; });
    if (it == entries.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - entries.begin());
}

}  // namespace

int runReport(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed =
        parseCommandArgs("report", context.args, kOptions, context.err, 2, "needs ENTRY and STICK");
    if (!parsed)
        return kExitUsage;
    const std::string& name = parsed->positionals[0];
    const std::optional<std::size_t> entry = findEntry(name);
    if (name != "all" && !entry)
        return reportUsageError(context.err, "report: unknown entry '" + name + "'");
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[1], stick, context.err))
        return kExitStickError;
    ReportRun run(stick, parsed->has("--crlf"));
    return entry ? printOne(run, *entry, context.out) : printAll(run, context.out);
}

std::string reportEntriesHelp()
{
    std::string help = "The entries, in the window's tree order:\n ";
    for (const ReportEntry& entry : reportEntries()) {
        help += ' ';
        help += entry.commandName;
    }
    help += '\n';
    return help;
}

}  // namespace morvane::cli
