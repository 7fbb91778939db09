// The in-process driver of the Win32 program.
#include "tests/win32/GuiSession.h"

#include <commctrl.h>

#include <algorithm>

#include "app/win32/MainWindowRes.h"
#include "app/win32/MorvaneApp.h"

namespace morvane::test {

using namespace morvane::win32;
namespace {

struct WindowSearch {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK matchCaption(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    wchar_t text[256] = {};
    if (IsWindowVisible(window) && GetWindowTextW(window, text, 256) && search.caption == text) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK postClose(HWND window, LPARAM)
{
    if (IsWindowVisible(window))
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// A list box's entries are copied on the thread that owns it, inside one message. Read
// from another thread one message at a time, the program could empty and refill the list
// between two of them (as it does when a save or another entry rewrites it): an entry
// counted would then be gone, or longer than the buffer sized for it.
constexpr UINT kCopyEntries = WM_APP + 0x2F0;
constexpr wchar_t kOwnProcedure[] = L"MorvaneTestListProcedure";

LRESULT CALLBACK copyingListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto own = reinterpret_cast<WNDPROC>(GetPropW(list, kOwnProcedure));
    if (message != kCopyEntries)
        return CallWindowProcW(own, list, message, wParam, lParam);
    auto& entries = *reinterpret_cast<std::vector<std::wstring>*>(lParam);
    const LRESULT count = CallWindowProcW(own, list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const auto item = static_cast<WPARAM>(index);
        std::wstring text(static_cast<std::size_t>(CallWindowProcW(own, list, LB_GETTEXTLEN, item, 0)) + 1,
                          L'\0');
        text.resize(static_cast<std::size_t>(
            CallWindowProcW(own, list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()))));
        entries.push_back(std::move(text));
    }
    return TRUE;
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::string toCodePage(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    std::string bytes(static_cast<std::size_t>(
                          WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                        nullptr);
    return bytes;
}

std::wstring GuiSession::programName()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

void GuiSession::start(std::wstring commandLine, MarkerProbe probe)
{
    ui_ = std::thread([this, commandLine, probe = std::move(probe)] {
        uiThread_ = GetCurrentThreadId();
        MorvaneApp(GetModuleHandleW(nullptr), probe).run(commandLine);
        ended_ = true;
    });
    waitUntil([this] { return uiThread_ != 0; });
}

bool GuiSession::waitForEnd(int milliseconds)
{
    return waitUntil([this] { return ended_.load(); }, milliseconds);
}

// Closes whatever a failed test left open (message boxes, dialogs, the main window)
// and ends the UI thread; a program that will not end ends the test process.
GuiSession::~GuiSession()
{
    if (!ui_.joinable())
        return;
    for (int round = 0; round < 20 && !ended_; ++round) {
        EnumThreadWindows(uiThread_, postClose, 0);
        waitForEnd(250);
    }
    if (!ended_)
        TerminateProcess(GetCurrentProcess(), 99);
    ui_.join();
}

HWND GuiSession::findWindow(const std::wstring& caption) const
{
    WindowSearch search{caption};
    EnumThreadWindows(uiThread_, matchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND GuiSession::waitForWindow(const std::wstring& caption, int milliseconds) const
{
    HWND found = nullptr;
    waitUntil([&] { return (found = findWindow(caption)) != nullptr; }, milliseconds);
    return found;
}

std::wstring GuiSession::answerMessageBox() const { return answerBox(IDOK); }

std::wstring GuiSession::answerQuestion(bool yes) const { return answerBox(yes ? IDYES : IDNO); }

std::wstring GuiSession::answerBox(int button) const
{
    HWND box = waitForWindow(programName());
    if (box == nullptr)
        return {};
    std::wstring text = windowText(GetDlgItem(box, 0xFFFF));  // the system's id of a message box's text
    PostMessageW(box, WM_COMMAND, button, 0);
    waitUntil([&] { return !IsWindow(box); });
    return text;
}

// A message sent from another thread is handled only when the UI thread next looks for
// messages, so the send returns after whatever that thread was busy with.
bool GuiSession::waitForIdle(int milliseconds) const
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(mainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(milliseconds),
                               &ignored) != 0;
}

std::vector<std::wstring> listBoxEntries(HWND list)
{
    if (GetPropW(list, kOwnProcedure) == nullptr) {  // the property first: messages may come at once
        SetPropW(list, kOwnProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrW(list, GWLP_WNDPROC)));
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(copyingListProcedure));
    }
    std::vector<std::wstring> entries;
    SendMessageW(list, kCopyEntries, 0, reinterpret_cast<LPARAM>(&entries));
    return entries;
}

std::vector<std::string> GuiSession::listLines() const
{
    std::vector<std::string> lines;
    for (const std::wstring& entry : listBoxEntries(control(IDC_INFO_LIST)))
        lines.push_back(toCodePage(entry));
    return lines;
}

std::string GuiSession::listText() const
{
    std::string text;
    for (const std::string& line : listLines())
        text += line + "\n";
    return text;
}

bool GuiSession::waitForLine(const std::string& line, int milliseconds) const
{
    return waitUntil(
        [&] {
            const std::vector<std::string> lines = listLines();
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        },
        milliseconds);
}

std::wstring GuiSession::treeTitle(HTREEITEM item) const
{
    wchar_t text[128] = {};
    TVITEMW entry{};
    entry.mask = TVIF_TEXT;
    entry.hItem = item;
    entry.pszText = text;
    entry.cchTextMax = 128;
    SendMessageW(control(IDC_REPORT_TREE), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
    return text;
}

std::wstring GuiSession::selectedTreeTitle() const
{
    auto selected =
        reinterpret_cast<HTREEITEM>(SendMessageW(control(IDC_REPORT_TREE), TVM_GETNEXTITEM, TVGN_CARET, 0));
    return selected == nullptr ? std::wstring() : treeTitle(selected);
}

std::vector<HTREEITEM> GuiSession::treeItems() const
{
    HWND tree = control(IDC_REPORT_TREE);
    std::vector<HTREEITEM> items;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (; item != nullptr; item = reinterpret_cast<HTREEITEM>(SendMessageW(
                                tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item))))
        items.push_back(item);
    return items;
}

}  // namespace morvane::test
