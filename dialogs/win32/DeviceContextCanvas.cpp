// RgbColor and COLORREF share their layout (red in the lowest byte), so colours pass
// through unchanged.
#include "dialogs/win32/DeviceContextCanvas.h"

namespace morvane::win32 {

void DeviceContextCanvas::fillRect(const PixelRect& rect, RgbColor color)
{
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void DeviceContextCanvas::setPixel(int x, int y, RgbColor color) { SetPixelV(dc_, x, y, color); }

}  // namespace morvane::win32
