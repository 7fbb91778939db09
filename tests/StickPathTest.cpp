// Joining stick-relative paths onto the root.
#include <gtest/gtest.h>

#include "stick/StickPath.h"

namespace morvane {
namespace {

TEST(JoinStickPath, AddsOneBackslashOnlyWhenTheRootLacksIt)
{
    EXPECT_EQ(joinStickPath("E:\\", "memstick.ind"), "E:\\memstick.ind");
    EXPECT_EQ(joinStickPath("C:\\img", "memstick.ind"), "C:\\img\\memstick.ind");
    EXPECT_EQ(joinStickPath("", "memstick.ind"), "\\memstick.ind");
}

TEST(JoinStickPath, PassesTheRelativePathThroughUnchanged)
{
    EXPECT_EQ(joinStickPath("C:\\img", "..\\Open-R/app\\VERSION"), "C:\\img\\..\\Open-R/app\\VERSION");
}

}  // namespace
}  // namespace morvane
