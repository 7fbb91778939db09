// Where the program's windows open: the main window centred in its monitor's work area,
// the editors, the viewers and the About box centred over the main window wherever it
// stands.
#include <windows.h>

#include <cstdlib>

#include "app/MainWindowCommandIds.h"
#include "base/win32/WideText.h"
#include "tests/win32/ProgramOnStickCopy.h"

namespace morvane::test {
namespace {

POINT centreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

POINT frameCentre(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return centreOf(frame);
}

// Within two pixels each way: an odd size cannot be halved exactly.
void expectSameCentre(POINT actual, POINT expected, const std::wstring& what)
{
    EXPECT_LE(std::abs(actual.x - expected.x), 2) << narrowToUtf8(what);
    EXPECT_LE(std::abs(actual.y - expected.y), 2) << narrowToUtf8(what);
}

using WindowPlacementTest = ProgramOnStickCopy;

TEST_F(WindowPlacementTest, TheMainWindowOpensCentredInTheWorkArea)
{
    startProgram();
    HWND main = session.mainWindow();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor));
    expectSameCentre(frameCentre(main), centreOf(monitor.rcWork), L"Morvane");
}

TEST_F(WindowPlacementTest, EditorsViewersAndAboutOpenCentredOverTheMainWindowWhereverItStands)
{
    startProgram();
    HWND main = session.mainWindow();
    SetWindowPos(main, nullptr, 60, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    struct Opened {
        int command;
        std::wstring caption;
    };
    for (const Opened& opened :
         {Opened{IDM_SKILL_LEVELS, L"Skill Levels"}, Opened{IDM_VOLUME_PRESETS, L"Volume Settings"},
          Opened{IDM_COLOR_PREFERENCES, L"AIBO's Color Preferences"},
          Opened{IDM_HUMAN_FACES, L"Human Face Identification Database"},
          Opened{IDM_ABOUT, L"About Morvane"}}) {
        HWND dialog = openDialog(opened.command, opened.caption);
        ASSERT_NE(dialog, nullptr) << narrowToUtf8(opened.caption);
        expectSameCentre(frameCentre(dialog), frameCentre(main), opened.caption);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }
}

}  // namespace
}  // namespace morvane::test
