// Switching to the hourglass and back; nested uses keep it until the outermost ends.
#include "app/win32/BusyCursor.h"

namespace morvane::win32 {

void BusyCursor::begin()
{
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (depth_++ == 0)
        previous_ = previous;
}

void BusyCursor::end()
{
    if (depth_ > 0 && --depth_ == 0)
        SetCursor(previous_);
}

}  // namespace morvane::win32
