// The drive scan. It runs on the window's thread, so between two probes it lets the
// scanning window repaint and take a press of its button.
#include "app/DriveScan.h"

#include "stick/OsFile.h"
#include "stick/StickPaths.h"

namespace morvane {
namespace {

std::string probePath(char letter) { return driveRoot(letter) + kProbedMarkerName; }

DriveScanResult probeDrives(ScanWindow& window, const MarkerProbe& probe)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string path = probePath(letter);
        window.showProbePath(path);
        if (probe(path))
            return {letter, false};
        window.deliverWaitingMessages();
        if (window.manualOpenRequested())
            return {std::nullopt, true};
    }
    return {};
}

}  // namespace

bool markerFileOpens(const std::string& probePath)
{
    std::optional<OsFile> marker = OsFile::openExisting(probePath);
    if (!marker)
        return false;
    marker->close();
    return true;
}

std::string driveRoot(char letter) { return std::string(1, letter) + ":\\"; }

DriveScanResult scanDrivesForStick(ScanWindow& window, WaitCursor& waitCursor, const MarkerProbe& probe)
{
    window.open();
    WaitCursorScope busy(waitCursor);
    const DriveScanResult result = probeDrives(window, probe);
    window.close();
    return result;
}

}  // namespace morvane
