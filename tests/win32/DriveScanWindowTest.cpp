// The real drive scan under test. The test run links Wine's drives D: and F: to folders
// holding MEMSTICK.IND (D: to a copy of the sample stick) and leaves a flag file while the links
// stand; a probe that cannot see the markers then fails the tests. Without the links (on
// Windows itself) the tests are skipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>

#include "app/win32/ScanningWindowRes.h"
#include "base/win32/WideText.h"
#include "tests/win32/FileDialogDriver.h"
#include "tests/win32/GuiSession.h"

namespace morvane::test {
namespace {

class DriveScanWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(MORVANE_DRIVE_LINKS_FLAG))
            GTEST_SKIP() << "drives D: and F: are not linked to folders with MEMSTICK.IND";
        ASSERT_TRUE(markerFileOpens("D:\\MEMSTICK.IND")) << "the probe does not see the marker on D:";
        ASSERT_TRUE(markerFileOpens("F:\\MEMSTICK.IND")) << "the probe does not see the marker on F:";
    }

    // The real probe, recording each path it is given.
    MarkerProbe recordingProbe()
    {
        return [this](const std::string& path) {
            std::lock_guard lock(mutex);
            probed.push_back(path);
            return markerFileOpens(path);
        };
    }
    std::vector<std::string> probedPaths()
    {
        std::lock_guard lock(mutex);
        return probed;
    }

    std::mutex mutex;
    std::vector<std::string> probed;
    GuiSession session;
};

TEST_F(DriveScanWindowTest, TheFirstDriveWithTheMarkerIsOpened)
{
    session.start(L"", recordingProbe());
    ASSERT_NE(session.mainWindow(), nullptr);
    EXPECT_TRUE(session.waitForLine("Browsing OpenR from D:\\"));
    EXPECT_EQ(probedPaths(), (std::vector<std::string>{"A:\\MEMSTICK.IND", "B:\\MEMSTICK.IND",
                                                       "C:\\MEMSTICK.IND", "D:\\MEMSTICK.IND"}));
    EXPECT_EQ(session.findWindow(L"Scanning for ERS-7 Memory Stick"), nullptr);
}

// The user presses "Manual Open" while B: is probed: the probe runs on the window's
// thread, so it finds the scanning window, reads what it shows and posts the press.
TEST_F(DriveScanWindowTest, ManualOpenStopsTheScanAndOffersTheFileDialogAtOnce)
{
    std::wstring shownDuringProbe;
    session.start(L"/v", [&](const std::string& path) {
        if (path == "B:\\MEMSTICK.IND") {
            HWND scan = session.findWindow(L"Scanning for ERS-7 Memory Stick");
            wchar_t text[64] = {};
            GetDlgItemTextW(scan, IDC_PROBE_PATH, text, 64);
            shownDuringProbe = text;
            PostMessageW(scan, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        std::lock_guard lock(mutex);
        probed.push_back(path);
        return markerFileOpens(path);
    });
    HWND dialog = session.waitForWindow(kStickFileDialogTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    EXPECT_EQ(shownDuringProbe, L"B:\\MEMSTICK.IND");
    EXPECT_EQ(probedPaths(), (std::vector<std::string>{"A:\\MEMSTICK.IND", "B:\\MEMSTICK.IND"}));
    EXPECT_EQ(session.findWindow(GuiSession::programName()), nullptr);
    cancelFileDialog(dialog);
    EXPECT_TRUE(session.waitForEnd());
}

}  // namespace
}  // namespace morvane::test
