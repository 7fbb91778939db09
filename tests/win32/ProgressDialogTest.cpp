// The progress window of long work, on the test's own thread: it shows the file at hand
// and the bar, keeps its owner from input while it is open, and takes Cancel at the next
// file.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/win32/ProgressDialog.h"
#include "app/win32/ProgressDialogRes.h"

namespace morvane::test {
namespace {

TEST(ProgressDialog, ShowsTheFileAndTheBarAndTakesCancelAtTheNextFile)
{
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    win32::OwnerWindow slot{owner};
    win32::ProgressDialog progress(GetModuleHandleW(nullptr), slot);
    progress.open("Check Stick");
    HWND shown = FindWindowW(nullptr, L"Check Stick");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(GetWindow(shown, GW_OWNER), owner);
    EXPECT_FALSE(IsWindowEnabled(owner));
    EXPECT_TRUE(progress.advance("OPEN-R/APP/VERSION", 3, 20));
    wchar_t path[64]{};
    GetDlgItemTextW(shown, IDC_PROGRESS_PATH, path, 64);
    EXPECT_STREQ(path, L"OPEN-R/APP/VERSION");
    EXPECT_EQ(SendDlgItemMessageW(shown, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageW(shown, IDC_PROGRESS_BAR, PBM_GETRANGE, FALSE, 0), 20);
    PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(progress.advance("OPEN-R/MW/VERSION", 4, 20));
    EXPECT_TRUE(IsWindow(shown)) << "Cancel only asks; the work closes the window";
    progress.close();
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

}  // namespace
}  // namespace morvane::test
