// The main window: builds the report tree, shows the selected report on every selection
// change and click in the tree, runs the menu's and buttons' commands, and releases the
// tree whichever way it closes.
#include "app/win32/MainWindow.h"

#include <commctrl.h>

#include "app/MainMenu.h"
#include "app/MainWindowCommandIds.h"
#include "app/MainWindowCommands.h"
#include "app/win32/AboutBox.h"
#include "app/win32/MainWindowRes.h"
#include "app/win32/MorvaneRes.h"
#include "base/win32/WideText.h"
#include "reports/ReportTree.h"

namespace morvane::win32 {
namespace {

HICON loadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MORVANE), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                         LR_SHARED));
}

// Fills the window's menu bar from the menu table, in place of the resource's stand-in.
void fillMenuBar(HMENU bar)
{
    while (GetMenuItemCount(bar) > 0)
        DeleteMenu(bar, 0, MF_BYPOSITION);
    for (const Menu& menu : kMainMenu) {
        HMENU popup = CreatePopupMenu();
        for (const MenuItem& item : menu.items)
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.commandId),
                        widenUtf8(item.text).c_str());
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), widenUtf8(menu.title).c_str());
    }
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, const MainWindowServices& services, OwnerWindow& owner)
    : instance_(instance), owner_(owner), icon_(loadProgramIcon(instance, SM_CXICON, SM_CYICON)),
      smallIcon_(loadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON)), dialogHost_{instance, owner.window},
      skillLevelsDialog_(dialogHost_), volumeDialog_(dialogHost_), colorDialog_(dialogHost_),
      faceDialog_(dialogHost_), diaryDialog_(dialogHost_), photoDialog_(dialogHost_),
      voiceDialog_(dialogHost_), editors_{skillLevelsDialog_, volumeDialog_, colorDialog_, faceDialog_,
                                          diaryDialog_,       photoDialog_,  voiceDialog_},
      context_{services, tree_, list_, editors_}
{
}

INT_PTR MainWindow::runModal() { return showModal(instance_, IDD_BROWSER, owner_.window); }

INT_PTR MainWindow::onMessage(UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_PAINT:
        if (!IsIconic(window()))
            return FALSE;
        paintMinimised();
        return TRUE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(icon_);
    default:
        return FALSE;
    }
}

// The tree has no selection yet; when it takes the focus (the first tab stop) it selects
// "Summary", and that selection change shows the Summary report.
void MainWindow::onInit()
{
    SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    fillMenuBar(GetMenu(window()));
    tree_.attach(GetDlgItem(window(), IDC_REPORT_TREE));
    list_.attach(GetDlgItem(window(), IDC_INFO_LIST));
    buildReportTree(tree_);
}

void MainWindow::onCommand(int id)
{
    switch (id) {
    case IDOK:
    case IDCANCEL:
        close(id);
        return;
    case IDM_EXIT:
        SendMessageW(window(), WM_CLOSE, 0, 0);
        return;
    case IDM_ABOUT:
        runAboutBox(dialogHost_);
        return;
    default:
        runStickCommand(id, context_);
        return;
    }
}

// Every selection change and every left click in the tree shows the selected entry's
// report, so a click on the selected entry reads the stick afresh. Once the tree is
// released (the window is closing) its items carry no entries any more.
bool MainWindow::onNotify(const NMHDR& header)
{
    if (header.idFrom != IDC_REPORT_TREE || (header.code != TVN_SELCHANGEDW && header.code != NM_CLICK))
        return false;
    if (!treeReleased_)
        showSelectedReport(tree_, list_, context_.services.waitCursor, context_.services.stick);
    SetWindowLongPtrW(window(), DWLP_MSGRESULT, 0);
    return true;
}

void MainWindow::paintMinimised()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window(), &paint);
    SendMessageW(window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(window(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(window(), &paint);
}

void MainWindow::close(int result)
{
    releaseReportTree(tree_);
    treeReleased_ = true;
    end(result);
}

}  // namespace morvane::win32
