// The report tree's entries and the selection handler every report runs in.
#include <gtest/gtest.h>

#include <vector>

#include "reports/ReportNodes.h"
#include "reports/ReportTree.h"
#include "tests/support/InStickDirectory.h"
#include "ui/MemoryTreeControl.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

class CountingCursor : public WaitCursor {
public:
    void begin() override { ++begun; }
    void end() override { ++ended; }
    int begun = 0;
    int ended = 0;
};

// A report whose behaviour and destruction the test controls and observes.
class ScriptedNode : public ReportNode {
public:
    ScriptedNode(std::vector<std::string>* destroyed, std::string name, bool result = true)
        : destroyed_(destroyed), name_(std::move(name)), result_(result)
    {
    }
    ~ScriptedNode() override
    {
        if (destroyed_)
            destroyed_->push_back(name_);
    }
    bool dump(StickStream* file, InfoList& list, StickRoot&) override
    {
        char first = '?';
        if (file != nullptr && file->read(&first, 1) == 1)
            list.addLine(std::string("first byte ") + first);
        list.addLine(name_ + " wrote this");
        return result_;
    }

private:
    std::vector<std::string>* destroyed_;
    std::string name_;
    bool result_;
};

class ReportTreeTest : public test::InStickDirectory {
protected:
    TreeControl::Item addScripted(std::string name, const char* filePath, bool optional, bool result = true)
    {
        auto* node = new ScriptedNode(nullptr, name, result);
        node->filePath = filePath ? std::optional<std::string>(filePath) : std::nullopt;
        node->fileOptional = optional;
        node->treeItem = tree.insertLastChild(TreeControl::kTopLevel, name);
        tree.setItemData(node->treeItem, node);
        return node->treeItem;
    }

    ReportOutcome select(TreeControl::Item item)
    {
        tree.select(item);
        return showSelectedReport(tree, list, cursor, root);
    }

    TreeControl::Item itemTitled(std::string_view title) const
    {
        for (TreeControl::Item item : tree.itemsInDisplayOrder())
            if (tree.title(item) == title)
                return item;
        ADD_FAILURE() << "no entry " << title;
        return TreeControl::kTopLevel;
    }

    MemoryTreeControl tree;
    MemoryInfoList list;
    CountingCursor cursor;
    StickRoot root;
};

TEST_F(ReportTreeTest, BuildsTheNineEntriesWithAdvancedExpanded)
{
    ASSERT_TRUE(buildReportTree(tree));
    Lines titles;
    for (TreeControl::Item item : tree.itemsInDisplayOrder())
        titles.push_back(tree.title(item));
    EXPECT_EQ(titles, (Lines{"Summary", "Name / Owner", "LAN settings", "Advanced", "global variables",
                             "flash variables", "r variables (mind2/3)", "diary variables", "(versions)"}));
    const TreeControl::Item advanced = itemTitled("Advanced");
    EXPECT_TRUE(tree.isExpanded(advanced));
    Lines underAdvanced;
    for (auto child = tree.firstChild(advanced); child; child = tree.nextSibling(*child))
        underAdvanced.push_back(tree.title(*child));
    EXPECT_EQ(underAdvanced.size(), 5u);
    auto* names = static_cast<ReportNode*>(tree.itemData(itemTitled("Name / Owner")));
    EXPECT_EQ(names->filePath, "OPEN-R\\APP\\DATA\\P\\ARRMAIN.BIN");
    EXPECT_TRUE(names->fileOptional);
    EXPECT_EQ(names->treeItem, itemTitled("Name / Owner"));
    releaseReportTree(tree);
}

TEST_F(ReportTreeTest, AdvancedShowsItsHelpLine)
{
    buildReportTree(tree);
    EXPECT_EQ(select(itemTitled("Advanced")), ReportOutcome::Produced);
    EXPECT_EQ(list.lines(), (Lines{"Select one of the other files for a dump of its contents.", ""}));
    releaseReportTree(tree);
}

TEST_F(ReportTreeTest, MissingOptionalFileGivesTheWarningAndNoReport)
{
    buildReportTree(tree);
    EXPECT_EQ(select(itemTitled("flash variables")), ReportOutcome::FileMissing);
    EXPECT_EQ(list.lines(),
              (Lines{"Non-critical warning:", " that file does not exist", " display not available"}));
    releaseReportTree(tree);
}

TEST_F(ReportTreeTest, MissingRequiredFileGivesTheErrorLineOnly)
{
    TreeControl::Item item = addScripted("required", "OPEN-R\\NOTHERE", false);
    EXPECT_EQ(select(item), ReportOutcome::FileMissing);
    EXPECT_EQ(list.lines(), (Lines{"Error: can't find file"}));
    releaseReportTree(tree);
}

TEST_F(ReportTreeTest, AFileEntryGetsAHeadingAndItsFileAtTheStart)
{
    stick.write("OPEN-R/APP/DATA/P/THING.BIN", "Zebra");
    TreeControl::Item item = addScripted("thing", "OPEN-R\\APP\\DATA\\P\\thing.bin", true);
    EXPECT_EQ(select(item), ReportOutcome::Produced);
    EXPECT_EQ(list.lines(), (Lines{"Dump of file OPEN-R\\APP\\DATA\\P\\thing.bin", "", "first byte Z",
                                   "thing wrote this"}));
    EXPECT_EQ(cursor.begun, 1);
    EXPECT_EQ(cursor.ended, 1);
    releaseReportTree(tree);
}

TEST_F(ReportTreeTest, AFailedReportKeepsItsLinesAndEndsWithTheErrorLine)
{
    TreeControl::Item item = addScripted("broken", nullptr, false, false);
    EXPECT_EQ(select(item), ReportOutcome::Failed);
    EXPECT_EQ(list.lines(), (Lines{"broken wrote this", "", "Error dumping file"}));
    releaseReportTree(tree);
}

TEST_F(ReportTreeTest, SelectingAgainReplacesTheListInsteadOfAddingToIt)
{
    TreeControl::Item item = addScripted("again", nullptr, false);
    select(item);
    select(item);
    EXPECT_EQ(list.lines(), (Lines{"again wrote this"}));
    releaseReportTree(tree);
}

TEST_F(ReportTreeTest, NothingSelectedLeavesTheListAlone)
{
    list.addLine("kept");
    EXPECT_EQ(showSelectedReport(tree, list, cursor, root), ReportOutcome::NothingSelected);
    EXPECT_EQ(list.lines(), (Lines{"kept"}));
}

TEST_F(ReportTreeTest, ReleaseDestroysEveryNodeOnceChildrenFirst)
{
    std::vector<std::string> destroyed;
    auto add = [&](TreeControl::Item parent, const std::string& name) {
        auto* node = new ScriptedNode(&destroyed, name);
        node->treeItem = tree.insertLastChild(parent, name);
        tree.setItemData(node->treeItem, node);
        return node->treeItem;
    };
    add(TreeControl::kTopLevel, "first");
    TreeControl::Item parent = add(TreeControl::kTopLevel, "parent");
    add(parent, "child1");
    add(parent, "child2");
    releaseReportTree(tree);
    EXPECT_EQ(destroyed, (Lines{"first", "child1", "child2", "parent"}));
    releaseReportTree(tree);
    EXPECT_EQ(destroyed.size(), 4u);
}

}  // namespace
}  // namespace morvane
