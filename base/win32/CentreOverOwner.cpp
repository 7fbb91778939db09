// The dialog is moved before it is first shown (in WM_INITDIALOG), so it opens in place.
#include "base/win32/CentreOverOwner.h"

#include <algorithm>

namespace morvane::win32 {
namespace {

// The start of a span of `length` centred on `low`..`high`, moved into `areaLow`..`areaHigh`
// as far as it fits (its start stays visible when it does not).
int centredStart(LONG low, LONG high, int length, LONG areaLow, LONG areaHigh)
{
    const int start = static_cast<int>(low + high - length) / 2;
    return std::max(static_cast<int>(areaLow), std::min(start, static_cast<int>(areaHigh) - length));
}

}  // namespace

void centreOverOwner(HWND dialog)
{
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner == nullptr)
        return;
    RECT ownerFrame;
    RECT frame;
    GetWindowRect(owner, &ownerFrame);
    GetWindowRect(dialog, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const int x = centredStart(ownerFrame.left, ownerFrame.right, frame.right - frame.left,
                               monitor.rcWork.left, monitor.rcWork.right);
    const int y = centredStart(ownerFrame.top, ownerFrame.bottom, frame.bottom - frame.top,
                               monitor.rcWork.top, monitor.rcWork.bottom);
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace morvane::win32
