// Start-up: the named directory or the scan of the search roots, then the open loop.
#include "app/Startup.h"

#include "app/StartupCommandLine.h"
#include "app/StickFileChoice.h"
#include "app/StickOpening.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

enum class Located { Directory, ManualOpen, Failed };

// Makes the root found by the scan the current directory; with no root found the
// directory the program started in stays current and is checked first.
Located enterScannedRoot(StartupUi& ui)
{
    const DriveScanResult scan = scanRootsForStick(ui.searchRoots, ui.scanWindow, ui.waitCursor, ui.probe);
    if (scan.manualOpenRequested)
        return Located::ManualOpen;
    if (scan.stickRoot && !changeDirectory(*scan.stickRoot)) {
        ui.messages.showMessage("Internal error: chdir");
        return Located::Failed;
    }
    return Located::Directory;
}

Located enterFirstDirectory(std::string_view named, StartupUi& ui)
{
    if (named.empty())
        return enterScannedRoot(ui);
    return enterCommandLineDirectory(named, ui.messages) ? Located::Directory : Located::Failed;
}

}  // namespace

bool locateStick(std::string_view commandLine, StartupUi& ui, StickRoot& stick)
{
    return locateNamedStick(stickDirectoryArgument(commandLine), ui, stick);
}

bool locateNamedStick(std::string_view directory, StartupUi& ui, StickRoot& stick)
{
    const Located first = enterFirstDirectory(directory, ui);
    if (first == Located::Failed)
        return false;
    bool manualOpen = first == Located::ManualOpen;
    std::string chosen;
    while (manualOpen || !openStick(stick, ui.messages)) {
        manualOpen = false;
        if (!askForStickFile(ui.fileDialog, chosen))
            return false;
        // A directory that cannot be entered leaves the current one, and the next check
        // examines that one again.
        enterStickDirectory(chosen);
    }
    return true;
}

}  // namespace morvane
