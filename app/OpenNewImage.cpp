// Opening another stick from the main window.
#include "app/OpenNewImage.h"

#include "app/StickFileChoice.h"
#include "app/StickOpening.h"
#include "reports/ReportTree.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

constexpr std::string_view kOpenFailed = "Failed to open new image";

// The tree and the list still show the stick that was open, and the reports, the editors
// and their saves read and write the current directory and the stick root: after a refusal
// both go back to that stick, with what detection had found on it.
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
    showSelectedReport(window.tree, window.list, window.services.waitCursor, window.services.stick);
}

}  // namespace

void openNewImage(MainWindowContext& window)
{
    std::string chosen;
    if (!askForStickFile(window.services.fileDialog, chosen))
        return;
    const StickRoot previous = window.services.stick;
    if (!enterStickDirectory(chosen) || !openStick(window.services.stick, window.services.messages)) {
        returnToStick(window.services.stick, previous);
        window.services.messages.showMessage(kOpenFailed);
        return;
    }
    showFirstEntry(window);
}

}  // namespace morvane
