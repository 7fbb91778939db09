// Runs the real program on a stick, prints how long the whole process took from its
// creation until the Summary was in the list, and saves pictures of the main window
// and the About box for the documentation.
//   morvane_screenshots STICK OUTPUT_DIR    the timing, then main-window.png and about.png
//   morvane_screenshots STICK               the timing only
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/MainWindowCommandIds.h"
#include "tests/win32/GuiSession.h"
#include "tests/win32/WindowCapture.h"

namespace {

using morvane::test::GuiSession;

std::int64_t ticks(const FILETIME& time)
{
    return static_cast<std::int64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// Milliseconds since this process was created.
double millisecondsSinceCreation()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

bool summaryShown(const GuiSession& session)
{
    for (const std::string& line : session.listLines())
        if (line.starts_with("Browsing OpenR from "))
            return true;
    return false;
}

bool capturePictures(GuiSession& session, const std::filesystem::path& outputDir)
{
    HWND main = session.mainWindow();
    if (!morvane::test::captureWindow(main, outputDir / "main-window.png"))
        return false;
    PostMessageW(main, WM_COMMAND, IDM_ABOUT, 0);
    HWND about = session.waitForWindow(L"About Morvane");
    const bool captured = about != nullptr && morvane::test::captureWindow(about, outputDir / "about.png");
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    return captured;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2 || argc > 3) {
        std::fputs("usage: morvane_screenshots STICK [OUTPUT_DIR]\n", stderr);
        return 64;
    }
    GuiSession session;
    session.start(std::wstring(L"/v ") + argv[1]);
    if (session.mainWindow() == nullptr || !morvane::test::waitUntil([&] { return summaryShown(session); })) {
        std::fputs("the main window did not show the Summary\n", stderr);
        return 1;
    }
    std::printf("start-up to Summary shown: %.0f ms (from process creation)\n", millisecondsSinceCreation());
    if (argc == 3 && !capturePictures(session, argv[2])) {
        std::fputs("the pictures could not be written\n", stderr);
        return 1;
    }
    PostMessageW(session.mainWindow(), WM_COMMAND, IDM_EXIT, 0);
    return session.waitForEnd() ? 0 : 1;
}
