// morvane-cli report ENTRY STICK [--crlf]: selects the entry in the same report tree the
// window builds, runs the same selection handler, and prints the information list.
#include <algorithm>
#include <array>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ReportEntries.h"
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

    ReportOutcome show(std::string_view title)
    {
        const std::vector<TreeControl::Item> items = tree.itemsInDisplayOrder();
        tree.select(*std::find_if(items.begin(), items.end(),
                                  [&](TreeControl::Item item) { return tree.title(item) == title; }));
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
    for (const ReportEntry& entry : kReportEntries) {
        run.show(entry.title);
        out << "== " << entry.title << " ==" << run.lineEnd;
        run.print(out);
        out << run.lineEnd;
    }
    return kExitOk;
}

int printOne(ReportRun& run, std::string_view title, std::ostream& out)
{
    const ReportOutcome outcome = run.show(title);
    run.print(out);
    return outcome == ReportOutcome::Produced ? kExitOk : kExitNotProduced;
}

const ReportEntry* findEntry(std::string_view name)
{
    auto it = std::find_if(kReportEntries.begin(), kReportEntries.end(),
                           [&](const ReportEntry& entry) { return entry.name == name; });
    return it == kReportEntries.end() ? nullptr : &*it;
}

}  // namespace

int runReport(const CommandContext& context)
{
    std::string error;
    std::optional<ParsedArgs> parsed = parseArgs(context.args, kOptions, error);
    if (!parsed)
        return reportUsageError(context.err, "report: " + error);
    if (parsed->positionals.size() != 2)
        return reportUsageError(context.err, parsed->positionals.size() < 2 ? "report: needs ENTRY and STICK"
                                                                            : "report: too many arguments");
    const std::string& name = parsed->positionals[0];
    const ReportEntry* entry = findEntry(name);
    if (name != "all" && entry == nullptr)
        return reportUsageError(context.err, "report: unknown entry '" + name + "'");
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[1], stick, context.err))
        return kExitStickError;
    ReportRun run(stick, parsed->has("--crlf"));
    return entry ? printOne(run, entry->title, context.out) : printAll(run, context.out);
}

}  // namespace morvane::cli
