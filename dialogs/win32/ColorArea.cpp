// The area paints all of its inside, so its caption never shows. It paints on request
// into any device context too (WM_PRINTCLIENT), as standard controls do.
#include "dialogs/win32/ColorArea.h"

#include <commctrl.h>

#include "dialogs/win32/DeviceContextCanvas.h"

namespace morvane::win32 {

void ColorArea::attach(HWND control, std::size_t number, const ColorAreaPainter& painter)
{
    control_ = control;
    number_ = number;
    painter_ = &painter;
    SetWindowSubclass(control, subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ColorArea::subclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self)
{
    const auto& area = *reinterpret_cast<const ColorArea*>(self);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paintStruct;
        area.paint(BeginPaint(control, &paintStruct));
        EndPaint(control, &paintStruct);
        return 0;
    }
    case WM_PRINTCLIENT:
        area.paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, subclassProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void ColorArea::paint(HDC dc) const
{
    RECT client;
    GetClientRect(control_, &client);
    DeviceContextCanvas canvas(dc);
    painter_->paintArea(number_, {client.left, client.top, client.right, client.bottom}, canvas);
}

}  // namespace morvane::win32
