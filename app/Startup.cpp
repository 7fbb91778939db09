// Start-up: the named directory or the drive scan, then the open loop.
#include "app/Startup.h"

#include "app/StartupCommandLine.h"
#include "app/StickFileChoice.h"
#include "app/StickOpening.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

enum class Located { Directory, ManualOpen, Failed };

// Makes the drive found by the scan the current directory; with no drive found the
// directory the program started in stays current and is checked first.
Located enterScannedDrive(StartupUi& ui)
{
    const DriveScanResult scan = scanDrivesForStick(ui.scanWindow, ui.waitCursor, ui.probe);
    if (scan.manualOpenRequested)
        return Located::ManualOpen;
    if (scan.stickDrive && !changeDirectory(driveRoot(*scan.stickDrive))) {
        ui.messages.showMessage("Internal error: chdir");
        return Located::Failed;
    }
    return Located::Directory;
}

Located enterFirstDirectory(std::string_view commandLine, StartupUi& ui)
{
    const std::string_view named = stickDirectoryArgument(commandLine);
    if (named.empty())
        return enterScannedDrive(ui);
    return enterCommandLineDirectory(named, ui.messages) ? Located::Directory : Located::Failed;
}

}  // namespace

bool locateStick(std::string_view commandLine, StartupUi& ui, StickRoot& stick)
{
    const Located first = enterFirstDirectory(commandLine, ui);
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
