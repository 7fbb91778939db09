// Finding stick roots by their MEMSTICK.IND marker.
#include <gtest/gtest.h>

#include "app/StickScan.h"
#include "cli/Commands.h"
#include "stick/MountPoints.h"
#include "tests/support/TempStick.h"

#include <sstream>

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

// morvane-cli scan finding nothing names every place it searched, whether or not any
// folder was found there.
TEST(StickScan, FindingNoStickSaysWhereItSearched)
{
    test::TempStick noStick;
    const MediaSearch search{{noStick.rootPath()}, {"/media", noStick.rootPath(), "/mnt"}};
    std::ostringstream out, err;
    EXPECT_EQ(cli::printStickRoots(search, out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "No stick found; searched:\n  /media\n  " + noStick.rootPath() + "\n  /mnt\n");

    noStick.write("MEMSTICK.IND", "");
    std::ostringstream foundOut, foundErr;
    EXPECT_EQ(cli::printStickRoots(search, foundOut, foundErr), 0);
    EXPECT_EQ(foundOut.str(), noStick.rootPath() + "\n");
    EXPECT_EQ(foundErr.str(), "");
}

#ifdef _WIN32
TEST(StickScan, SearchesEveryDriveLetter)
{
    const MediaSearch search = removableMediaSearch();
    ASSERT_EQ(search.roots.size(), 26u);
    EXPECT_EQ(search.roots.front(), "A:\\");
    EXPECT_EQ(search.roots.back(), "Z:\\");
    EXPECT_EQ(search.searched, search.roots);
}
#else
TEST(StickScan, EmptyMountFoldersAreSearchedAndNamed)
{
    test::TempStick system;
    system.write("run/media/me/readme.txt", "");
    const std::string root = system.rootPath();
    const MediaSearch search = removableMediaSearch(root);
    EXPECT_EQ(search.roots, std::vector<std::string>{});
    EXPECT_EQ(search.searched,
              (std::vector<std::string>{root + "/media", root + "/run/media", root + "/run/media/me",
                                        root + "/mnt", root + "/Volumes"}));
}

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
