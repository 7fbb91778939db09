// Finding stick roots by their MEMSTICK.IND marker.
#include <gtest/gtest.h>

#include "app/StickScan.h"
#include "tests/support/TempStick.h"

namespace morvane {
namespace {

TEST(StickScan, KeepsTheRootsThatHoldTheMarkerInProbeOrder)
{
    test::TempStick empty, first, second;
    first.write("MEMSTICK.IND", "");
    second.write("memstick.ind", "");
    const std::vector<std::string> found =
        rootsWithStickMarker({empty.rootPath(), second.rootPath(), "no such place", first.rootPath()});
    EXPECT_EQ(found, (std::vector<std::string>{second.rootPath(), first.rootPath()}));
}

#ifndef _WIN32
TEST(StickScan, SearchesTheMountPointsAndFindsSticksThereButNotFiles)
{
    test::TempStick system;
    for (const char* marker : {"media/me/MEMSTICK/MEMSTICK.IND", "media/LABEL/memstick.ind",
                               "run/media/you/AIBO/MEMSTICK.IND", "mnt/card/MEMSTICK.IND",
                               "Volumes/STICK/MEMSTICK.IND", "media/me/EMPTY/readme.txt", "media/me/FILE"})
        system.write(marker, "");
    system.write("media/PLAIN-FILE", "MEMSTICK.IND");
    const std::string root = system.rootPath();
    EXPECT_EQ(removableMediaRoots(root),
              (std::vector<std::string>{root + "/media/LABEL", root + "/media/me", root + "/media/me/EMPTY",
                                        root + "/media/me/MEMSTICK", root + "/run/media/you/AIBO",
                                        root + "/mnt/card", root + "/Volumes/STICK"}));
    EXPECT_EQ(rootsWithStickMarker(removableMediaRoots(root)),
              (std::vector<std::string>{root + "/media/LABEL", root + "/media/me/MEMSTICK",
                                        root + "/run/media/you/AIBO", root + "/mnt/card",
                                        root + "/Volumes/STICK"}));
}
#endif

}  // namespace
}  // namespace morvane
