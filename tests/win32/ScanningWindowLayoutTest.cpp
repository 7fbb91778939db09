// The scanning window's label shows its whole text on one line, before the probed path.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/win32/ScanningWindow.h"
#include "app/win32/ScanningWindowRes.h"

namespace morvane::test {

using namespace morvane::win32;
namespace {

BOOL CALLBACK firstWindow(HWND window, LPARAM lParam)
{
    *reinterpret_cast<HWND*>(lParam) = window;
    return FALSE;
}

BOOL CALLBACK findLabel(HWND window, LPARAM lParam)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    if (std::wstring(text) == L"Looking for memory stick:") {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

// The label is measured in the dialog's own font; a text wider than the label would wrap
// onto a second line that its height cannot show.
TEST(ScanningWindowLayout, TheLabelShowsItsWholeTextOnOneLineBeforeTheProbedPath)
{
    ScanningWindow scan(GetModuleHandleW(nullptr));
    scan.open();
    HWND window = nullptr;  // the only window of this thread
    EnumThreadWindows(GetCurrentThreadId(), firstWindow, reinterpret_cast<LPARAM>(&window));
    ASSERT_NE(window, nullptr);
    HWND label = nullptr;
    EnumChildWindows(window, findLabel, reinterpret_cast<LPARAM>(&label));
    ASSERT_NE(label, nullptr);
    HDC dc = GetDC(label);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring text = L"Looking for memory stick:";
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    RECT client{};
    GetClientRect(label, &client);
    EXPECT_GE(client.right, extent.cx);
    EXPECT_GE(client.bottom, extent.cy);
    RECT labelFrame{};
    RECT pathFrame{};
    GetWindowRect(label, &labelFrame);
    GetWindowRect(GetDlgItem(window, IDC_PROBE_PATH), &pathFrame);
    EXPECT_LE(labelFrame.right, pathFrame.left);
    RECT dialogClient{};
    GetClientRect(window, &dialogClient);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&dialogClient), 2);
    EXPECT_LE(pathFrame.right, dialogClient.right);
}

}  // namespace
}  // namespace morvane::test
