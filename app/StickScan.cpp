// The stick scan. Each root is probed by opening its MEMSTICK.IND, the same probe the
// window program makes on every drive letter.
#include "app/StickScan.h"

#include "stick/OsFile.h"
#include "stick/StickPaths.h"

namespace morvane {

std::vector<std::string> rootsWithStickMarker(const std::vector<std::string>& candidates)
{
    quietDriveProbes();
    std::vector<std::string> found;
    for (const std::string& root : candidates) {
        if (OsFile::openExisting(nativeStickPath(root, kProbedMarkerName)))
            found.push_back(root);
    }
    return found;
}

}  // namespace morvane
