// Opening another stick from the main window.
#include "app/OpenNewImage.h"

#include "app/StickFileChoice.h"
#include "app/StickOpening.h"
#include "reports/ReportTree.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

constexpr std::string_view kOpenFailed = "Failed to open new image";

// A refused directory must not stay current: the tree and the list still show the
// previous stick, and reports chosen next would mix that stick's detected software with
// files of the refused directory (or find no software at all). So the window goes back
// to the previous stick, as after a directory that cannot be entered.
void returnToStick(StickRoot& stick, const StickRoot& previous)
{
    stick = previous;
    changeDirectory(previous.rootPath);
}

void showFirstEntry(MainWindowContext& window)
{
    const std::optional<TreeControl::Item> summary = window.tree.firstChild(TreeControl::kTopLevel);
    if (!summary)
        return;
    window.tree.select(*summary);
    showSelectedReport(window.tree, window.list, window.waitCursor, window.stick);
}

}  // namespace

void openNewImage(MainWindowContext& window)
{
    std::string chosen;
    if (!askForStickFile(window.fileDialog, chosen))
        return;
    if (!enterStickDirectory(chosen)) {
        window.messages.showMessage(kOpenFailed);
        return;
    }
    const StickRoot previous = window.stick;
    if (!openStick(window.stick, window.messages)) {
        returnToStick(window.stick, previous);
        window.messages.showMessage(kOpenFailed);
        return;
    }
    showFirstEntry(window);
}

}  // namespace morvane
