// The window paints all of its client area itself, the photo and then the margins beside
// it, so that sizing it does not flicker through an erased background.
#include "dialogs/win32/PhotoWindow.h"

#include "base/win32/CentreOverOwner.h"
#include "dialogs/win32/PhotoAlbumDialogRes.h"
#include "ui/PictureFit.h"

namespace morvane::win32 {
namespace {

constexpr PixelRect kFirstPlace{0, 0, 640, 480};

}  // namespace

PhotoWindow::PhotoWindow(const DialogHost& host, const RgbImage& photo, std::wstring caption)
    : ModalDialog(host, IDD_PHOTO), picture_(photo), caption_(std::move(caption))
{
}

void PhotoWindow::onInit()
{
    SetWindowTextW(window(), caption_.c_str());
    const PixelRect fitted = fitPicture(picture_.width(), picture_.height(), kFirstPlace);
    RECT frame{0, 0, fitted.width(), fitted.height()};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_EXSTYLE)));
    SetWindowPos(window(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    centreOverOwner(window());  // again, at the size it now has
}

INT_PTR PhotoWindow::onMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_ERASEBKGND:
        SetWindowLongPtrW(window(), DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_SIZE:
        InvalidateRect(window(), nullptr, FALSE);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paintStruct{};
        HDC dc = BeginPaint(window(), &paintStruct);
        paint(dc);
        EndPaint(window(), &paintStruct);
        return TRUE;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void PhotoWindow::paint(HDC dc) const
{
    RECT client{};
    GetClientRect(window(), &client);
    const PixelRect place =
        fitPicture(picture_.width(), picture_.height(), {0, 0, client.right, client.bottom});
    picture_.draw(dc, place);
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
    FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    RestoreDC(dc, saved);
}

}  // namespace morvane::win32
