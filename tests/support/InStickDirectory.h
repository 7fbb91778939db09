// A test fixture whose current directory is a fresh temporary stick, as while a stick is
// open; the previous directory is restored before the stick is removed.
#pragma once

#include <gtest/gtest.h>

#include "stick/OsFile.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"

namespace morvane::test {

class InStickDirectory : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(changeDirectory(stick.rootPath())); }

    TempStick stick;
    CurrentDirectoryGuard guard;  // declared after the stick, so it leaves the stick first
};

}  // namespace morvane::test
