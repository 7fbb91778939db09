// A test fixture whose current directory is a fresh temporary stick, as while a stick is
// open; the previous directory is restored before the stick is removed.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "stick/OsFile.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"

namespace morvane::test {

class InStickDirectory : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(changeDirectory(stick.rootPath())); }

    // What a save says when `folder` of the stick ('/' between its parts) refuses its
    // temporary file: the folder's full path, as the system spells it.
    static std::string noTemporaryFileMessage(std::string folder)
    {
#ifdef _WIN32
        std::replace(folder.begin(), folder.end(), '/', '\\');
        const char separator = '\\';
#else
        const char separator = '/';
#endif
        return "Cannot create a temporary file in " + currentDirectory().value_or("") + separator + folder +
               "; the file was not changed";
    }

    TempStick stick;
    CurrentDirectoryGuard guard;  // declared after the stick, so it leaves the stick first
};

}  // namespace morvane::test
