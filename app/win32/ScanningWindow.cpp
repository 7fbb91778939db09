// The scanning window. It has no message loop of its own: the scan delivers waiting
// messages between two probes, and "Manual Open" only raises a flag that the scan reads.
#include "app/win32/ScanningWindow.h"

#include "app/win32/ScanningWindowRes.h"
#include "base/win32/WideText.h"

namespace morvane::win32 {

// "Manual Open" (also Escape and the close box) does not end the window: the scan does.
void ScanningWindow::onCommand(int id)
{
    if (id == IDCANCEL)
        manualOpenRequested_ = true;
}

// The window exists only while the drives are probed: over it the hourglass stays.
INT_PTR ScanningWindow::onMessage(UINT message, WPARAM, LPARAM)
{
    if (message != WM_SETCURSOR)
        return FALSE;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    SetWindowLongPtrW(window(), DWLP_MSGRESULT, TRUE);
    return TRUE;
}

void ScanningWindow::open() { showModeless(instance_, IDD_SCAN); }

void ScanningWindow::showProbePath(std::string_view path)
{
    if (window() == nullptr)
        return;
    SetDlgItemTextW(window(), IDC_PROBE_PATH, widenUtf8(path).c_str());
    RedrawWindow(window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ScanningWindow::deliverWaitingMessages() { pumpWaitingMessages(); }

void ScanningWindow::close() { destroy(); }

}  // namespace morvane::win32
