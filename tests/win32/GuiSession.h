// Drives the real Win32 program in-process: MorvaneApp runs on its own UI thread, and
// the test body finds that thread's windows and sends or posts messages to them.
// Anything that opens a modal window (a message box, a dialog) must be posted.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/DriveScan.h"

namespace morvane::test {

// How long a test waits for a window or a state. Generous: the first window of a fresh
// Wine prefix on a loaded machine takes seconds to appear.
inline constexpr int kPatienceMilliseconds = 30000;

class GuiSession {
public:
    GuiSession() = default;
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

    // Starts the whole program with `commandLine` (the part after the program name).
    void start(std::wstring commandLine, MarkerProbe probe = markerFileOpens);
    // Waits for the program to end; answers whether it did within the limit.
    bool waitForEnd(int milliseconds = kPatienceMilliseconds);

    // A visible top-level window of the UI thread with `caption`, waited for; nullptr
    // when none appears within the limit.
    HWND waitForWindow(const std::wstring& caption, int milliseconds = kPatienceMilliseconds) const;
    HWND findWindow(const std::wstring& caption) const;
    HWND mainWindow() const { return waitForWindow(L"Morvane"); }
    // The next message box's text; the box is closed with OK. Empty when none appears.
    std::wstring answerMessageBox() const;
    // The next question's text; it is answered Yes or No. Empty when none appears.
    std::wstring answerQuestion(bool yes) const;
    // Returns once the UI thread takes messages again, that is when the work it was doing
    // (a save after its dialog closed, say) has run to its end; false when it does not
    // within the limit.
    bool waitForIdle(int milliseconds = kPatienceMilliseconds) const;

    // The main window's list box as the reports wrote it (in the system code page), one
    // entry per line; and the same joined by LF, as morvane-cli prints it.
    std::vector<std::string> listLines() const;
    std::string listText() const;
    // Waits until the list contains `line`; answers whether it did.
    bool waitForLine(const std::string& line, int milliseconds = kPatienceMilliseconds) const;

    std::wstring selectedTreeTitle() const;
    // The tree's items in display order (all are visible: "Advanced" is expanded).
    std::vector<HTREEITEM> treeItems() const;
    std::wstring treeTitle(HTREEITEM item) const;

    static std::wstring programName();

private:
    // The next message box's text, answered with its button `button`.
    std::wstring answerBox(int button) const;
    HWND control(int id) const { return GetDlgItem(mainWindow(), id); }

    std::thread ui_;
    std::atomic<DWORD> uiThread_{0};
    std::atomic<bool> ended_{false};
};

// Polls `done` every 10 ms until it holds or the limit passes; answers its last value.
template <typename Condition>
bool waitUntil(Condition done, int milliseconds = kPatienceMilliseconds)
{
    for (int waited = 0; !done(); waited += 10) {
        if (waited >= milliseconds)
            return false;
        Sleep(10);
    }
    return true;
}

// The entries of a list box of the program, as one copy taken between two of the
// program's messages.
std::vector<std::wstring> listBoxEntries(HWND list);

// Text the list box shows, as the bytes of the process's code page.
std::string toCodePage(const std::wstring& text);

}  // namespace morvane::test
