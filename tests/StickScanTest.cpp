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

}  // namespace
}  // namespace morvane
