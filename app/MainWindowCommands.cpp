// Dispatching the main window's stick commands.
#include "app/MainWindowCommands.h"

#include "app/MainWindowCommandIds.h"
#include "app/OpenNewImage.h"
#include "app/ReportClipboard.h"

namespace morvane {
namespace {

// Stands in for an editor or viewer whose dialog is not part of the program yet.
void notAvailableYet(MainWindowContext& window) { window.messages.showMessage("not available yet"); }

}  // namespace

bool runStickCommand(int id, MainWindowContext& window)
{
    switch (id) {
    case IDM_OPEN:
        openNewImage(window);
        return true;
    case IDM_COPY_REPORT:
        copyReportToClipboard(window.list, window.clipboard, window.messages);
        return true;
    case IDM_SKILL_LEVELS:
        notAvailableYet(window);
        return true;
    case IDM_VOLUME_PRESETS:
        notAvailableYet(window);
        return true;
    case IDM_COLOR_PREFERENCES:
        notAvailableYet(window);
        return true;
    case IDM_HUMAN_FACES:
        notAvailableYet(window);
        return true;
    default:
        return false;
    }
}

}  // namespace morvane
