// The fixed tree of nine report entries and the handler that shows the selected one.
#pragma once

#include <span>
#include <string_view>

#include "reports/InfoList.h"
#include "stick/StickRoot.h"
#include "ui/TreeControl.h"
#include "ui/WaitCursor.h"

namespace morvane {

// One entry of the tree: its title, and the name morvane-cli gives it on its command line.
struct ReportEntry {
    std::string_view title;
    std::string_view commandName;
};

// The nine entries in display order, the order in which buildReportTree inserts them.
std::span<const ReportEntry> reportEntries();

// Creates the nine entries as items of `tree` (each item's data is its node, which the
// tree then owns) and expands "Advanced". Always succeeds.
bool buildReportTree(TreeControl& tree);

// Destroys every entry's node, children before their parent; the items stay.
void releaseReportTree(TreeControl& tree);

enum class ReportOutcome {
    NothingSelected,  // the list was left as it was
    Produced,
    FileMissing,  // the warning or error lines about the entry's file
    Failed,       // the report's lines, then "Error dumping file"
};

// Clears the list and writes the report of the tree's selected entry into it.
ReportOutcome showSelectedReport(TreeControl& tree, InfoList& list, WaitCursor& waitCursor, StickRoot& stick);

}  // namespace morvane
