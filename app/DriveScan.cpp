// The start-up scan. It runs on the window's thread, so between two probes it lets the
// scanning window repaint and take a press of its button.
#include "app/DriveScan.h"

#include "stick/OsFile.h"
#include "stick/StickPaths.h"

namespace morvane {
namespace {

// The marker's path in `root`, with the root's own separator: a drive root ends in one.
std::string probePath(const std::string& root)
{
    const bool endsInSeparator = !root.empty() && (root.back() == '\\' || root.back() == '/');
    return root + (endsInSeparator ? "" : "/") + kProbedMarkerName;
}

DriveScanResult probeRoots(std::span<const std::string> roots, ScanWindow& window, const MarkerProbe& probe)
{
    for (const std::string& root : roots) {
        const std::string path = probePath(root);
        window.showProbePath(path);
        if (probe(path))
            return {root, false};
        window.deliverWaitingMessages();
        if (window.manualOpenRequested())
            return {std::nullopt, true};
    }
    return {};
}

}  // namespace

bool markerFileOpens(const std::string& probePath)
{
    // The root is taken as written and the marker's name in any letter case.
    const std::string_view path(probePath);
    const std::size_t nameStart = path.find_last_of("/\\") + 1;  // 0 without a separator
    std::optional<OsFile> marker =
        OsFile::openExisting(nativeStickPath(path.substr(0, nameStart), path.substr(nameStart)));
    if (!marker)
        return false;
    marker->close();
    return true;
}

DriveScanResult scanRootsForStick(std::span<const std::string> roots, ScanWindow& window,
                                  WaitCursor& waitCursor, const MarkerProbe& probe)
{
    window.open();
    WaitCursorScope busy(waitCursor);
    DriveScanResult result = probeRoots(roots, window, probe);
    window.close();
    return result;
}

}  // namespace morvane
