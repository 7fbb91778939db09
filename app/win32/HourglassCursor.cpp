// Switching to the hourglass and back; nested uses keep it until the outermost ends.
#include "app/win32/HourglassCursor.h"

namespace morvane {

void HourglassCursor::begin()
{
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (depth_++ == 0)
        previous_ = previous;
}

void HourglassCursor::end()
{
    if (depth_ > 0 && --depth_ == 0)
        SetCursor(previous_);
}

}  // namespace morvane
