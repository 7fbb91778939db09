// Building and releasing the report tree, and the selection handler every report runs in.
#include "reports/ReportTree.h"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>

#include "reports/ReportNodes.h"
#include "stick/StickPaths.h"

namespace morvane {
namespace {

constexpr std::array<std::string_view, 1> kAdvancedHelp{
    "Select one of the other files for a dump of its contents."};

struct TreeRow {
    ReportEntry entry;
    bool childOfAdvanced;
    const char* filePath;
    bool fileOptional;
    std::function<std::unique_ptr<ReportNode>()> create;
};

template <typename Kind>
std::unique_ptr<ReportNode> make()
{
    return std::make_unique<Kind>();
}

const std::array<TreeRow, 9>& treeRows()
{
    static const std::array<TreeRow, 9> rows{{
        {{"Summary", "summary"}, false, nullptr, false, make<SummaryNode>},
        {{"Name / Owner", "name-owner"}, false, kVoiceCommandPath, true, make<NameOwnerNode>},
        {{"LAN settings", "lan-settings"}, false, nullptr, false, make<LanSettingsNode>},
        {{"Advanced", "advanced"}, false, nullptr, false, make<TextNode>},
        {{"global variables", "global-variables"}, true, kGlobalVarPath, true, make<GvarNode>},
        {{"flash variables", "flash-variables"}, true, kFlashVarPath, true, make<FvarNode>},
        {{"r variables (mind2/3)", "r-variables"}, true, kRVarPath, true, make<RvarNode>},
        {{"diary variables", "diary-variables"}, true, kDiaryVarPath, true, make<DvarNode>},
        {{"(versions)", "versions"}, true, nullptr, false, make<VersionsNode>},
    }};
    return rows;
}

ReportNode* attach(TreeControl& tree, TreeControl::Item parent, const TreeRow& row,
                   std::unique_ptr<ReportNode> node)
{
    node->treeItem = tree.insertLastChild(parent, row.entry.title);
    tree.setItemData(node->treeItem, node.get());
    if (row.filePath != nullptr)
        node->filePath = row.filePath;
    node->fileOptional = row.fileOptional;
    return node.release();
}

void releaseChildren(TreeControl& tree, TreeControl::Item parent)
{
    for (std::optional<TreeControl::Item> child = tree.firstChild(parent); child;
         child = tree.nextSibling(*child)) {
        releaseChildren(tree, *child);
        delete static_cast<ReportNode*>(tree.itemData(*child));
        tree.setItemData(*child, nullptr);
    }
}

void writeMissingFileLines(const ReportNode& node, InfoList& list)
{
    if (node.fileOptional) {
        list.addLine("Non-critical warning:");
        list.addLine(" that file does not exist");
        list.addLine(" display not available");
    } else {
        list.addLine("Error: can't find file");
    }
}

}  // namespace

std::span<const ReportEntry> reportEntries()
{
    static const std::array<ReportEntry, 9> entries = [] {
        std::array<ReportEntry, 9> titles{};
        std::transform(treeRows().begin(), treeRows().end(), titles.begin(),
                       [](const TreeRow& row) { return row.entry; });
        return titles;
    }();
    return entries;
}

bool buildReportTree(TreeControl& tree)
{
    ReportNode* advanced = nullptr;
    for (const TreeRow& row : treeRows()) {
        std::unique_ptr<ReportNode> node = row.create();
        if (row.entry.title == "Advanced")
            node->helpLines = kAdvancedHelp;
        ReportNode* attached = attach(tree, row.childOfAdvanced ? advanced->treeItem : TreeControl::kTopLevel,
                                      row, std::move(node));
        if (row.entry.title == "Advanced")
            advanced = attached;
    }
    tree.expand(advanced->treeItem);
    return true;
}

void releaseReportTree(TreeControl& tree) { releaseChildren(tree, TreeControl::kTopLevel); }

ReportOutcome showSelectedReport(TreeControl& tree, InfoList& list, WaitCursor& waitCursor, StickRoot& stick)
{
    const std::optional<TreeControl::Item> selected = tree.selectedItem();
    if (!selected)
        return ReportOutcome::NothingSelected;
    list.clear();
    auto* node = static_cast<ReportNode*>(tree.itemData(*selected));
    std::unique_ptr<StickStream> file;
    if (node->filePath) {
        file = StickStream::open(*node->filePath, "rb");
        if (!file) {
            writeMissingFileLines(*node, list);
            return ReportOutcome::FileMissing;
        }
        list.addLine("Dump of file " + *node->filePath);
        list.addLine("");
    }
    bool produced = false;
    {
        WaitCursorScope busy(waitCursor);
        produced = node->dump(file.get(), list, stick);
    }
    StickStream::close(std::move(file));
    if (produced)
        return ReportOutcome::Produced;
    list.addLine("");
    list.addLine("Error dumping file");
    return ReportOutcome::Failed;
}

}  // namespace morvane
