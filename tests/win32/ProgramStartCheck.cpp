// morvane_start_check PROGRAM STICK: starts a built or installed Morvane.exe on a stick
// folder as its own process, waits for its main window to show the Summary, and ends it
// with Options > Exit. Exit status 0 when the Summary was shown and the program ended;
// 1, with what went wrong on standard error, otherwise. Used on the release packages.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/MainWindowCommandIds.h"
#include "app/win32/MainWindowRes.h"

namespace {

constexpr DWORD kPatienceMilliseconds = 30000;

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t caption[32] = {};
    GetWindowTextW(window, caption, 32);
    if (process == search->process && IsWindowVisible(window) && std::wstring(caption) == L"Morvane") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Line `index` of the main window's information list (read across processes as wide text).
std::wstring listLine(HWND mainWindow, int index)
{
    HWND list = GetDlgItem(mainWindow, IDC_INFO_LIST);
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        return {};
    std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(length));
    return line;
}

// Polls every 10 ms until `done` holds or the patience runs out.
template <typename Condition>
bool waitUntil(Condition done)
{
    for (DWORD waited = 0; !done(); waited += 10) {
        if (waited >= kPatienceMilliseconds)
            return false;
        Sleep(10);
    }
    return true;
}

int failure(const char* what)
{
    std::fprintf(stderr, "morvane_start_check: %s\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return failure("usage: morvane_start_check PROGRAM STICK");
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\" \"" + argv[2] + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return failure("the program does not start");
    WindowSearch search{started.dwProcessId, nullptr};
    const bool shown = waitUntil([&] {
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr && listLine(search.found, 0) == L"Summary:" &&
               listLine(search.found, 3) == L"Version: ERS-7 AiboMind V1/V2/V3";
    });
    if (search.found != nullptr)
        PostMessageW(search.found, WM_COMMAND, IDM_EXIT, 0);
    const bool ended = WaitForSingleObject(started.hProcess, kPatienceMilliseconds) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    if (!shown)
        return failure("the main window did not show the Summary of the stick");
    if (!ended)
        return failure("the program did not end on Options > Exit");
    std::printf("Morvane.exe showed the Summary and ended\n");
    return 0;
}
