// Opening another stick from the main window.
#include "app/OpenNewImage.h"

#include "app/StickFileChoice.h"
#include "app/StickOpening.h"
#include "reports/ReportTree.h"

namespace morvane {
namespace {

constexpr std::string_view kOpenFailed = "Failed to open new image";

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
    // A refused directory stays current and becomes the stick root, while the tree and
    // the list keep what they showed; the reports chosen next read that directory, and
    // the Summary says why it is no stick.
    if (!openStick(window.stick, window.messages)) {
        window.messages.showMessage(kOpenFailed);
        return;
    }
    showFirstEntry(window);
}

}  // namespace morvane
