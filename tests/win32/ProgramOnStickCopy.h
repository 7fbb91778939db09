// A fixture for the dialogs' window tests: the whole program running on a fresh copy of
// the sample stick in a temporary folder, so that tests may change and break its files.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tests/win32/GuiSession.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

class ProgramOnStickCopy : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(stickgen::writeSampleStick(stick.dir()), std::nullopt); }

    // Starts the program on the copy and waits for its Summary.
    void startProgram()
    {
        session.start(L"/v " + stick.dir().wstring());
        ASSERT_NE(session.mainWindow(), nullptr);
        ASSERT_TRUE(waitUntil([&] { return !session.listLines().empty(); }));
    }

    // Runs a command of the main window and waits for the dialog titled `caption`.
    HWND openDialog(int command, const std::wstring& caption)
    {
        PostMessageW(session.mainWindow(), WM_COMMAND, command, 0);
        return session.waitForWindow(caption);
    }

    std::vector<std::uint8_t> fileBytes(std::string_view stickPath) const { return stick.read(stickPath); }

    TempStick stick;
    CurrentDirectoryGuard guard;  // the program leaves the stick before it is removed
    GuiSession session;
};

}  // namespace morvane::test
