// The picture is drawn over the area's caption when a face is selected, and again each
// time the area repaints (its caption first, then the face), so that it survives being
// covered by another window.
#include "dialogs/win32/HumanFacesDialog.h"

#include <commctrl.h>

#include "base/win32/WideText.h"
#include "dialogs/win32/DeviceContextCanvas.h"
#include "dialogs/win32/HumanFacesDialogRes.h"

namespace morvane::win32 {

HumanFacesDialog::HumanFacesDialog(const DialogHost& host) : ModalDialog(host, IDD_HUMAN_FACES) {}

void HumanFacesDialog::runModal(const FaceRecords& faces)
{
    faces_ = &faces;
    shownRecord_.reset();
    runDialog();
    faces_ = nullptr;
}

// The names in record order, each entry keeping its record index; nothing selected.
void HumanFacesDialog::onInit()
{
    HWND list = item(IDC_FACE_LIST);
    for (std::size_t record = 0; record < faces_->faceCount(); ++record) {
        const LRESULT entry = SendMessageW(
            list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widenCodePage(faces_->faceName(record)).c_str()));
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(entry), static_cast<LPARAM>(record));
    }
    SetWindowSubclass(item(IDC_FACE_PICTURE), pictureProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

// A name chosen in the list shows its face.
void HumanFacesDialog::onNotification(int id, int code)
{
    if (id != IDC_FACE_LIST || code != LBN_SELCHANGE)
        return;
    HWND list = item(IDC_FACE_LIST);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    shownRecord_ =
        static_cast<std::size_t>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
    drawFaceOnScreen(item(IDC_FACE_PICTURE));
}

void HumanFacesDialog::drawFace(HDC dc) const
{
    if (!shownRecord_)
        return;
    DeviceContextCanvas canvas(dc);
    faces_->drawFace(*shownRecord_, canvas);
}

void HumanFacesDialog::drawFaceOnScreen(HWND picture) const
{
    HDC dc = GetDC(picture);
    drawFace(dc);
    ReleaseDC(picture, dc);
}

// The static control paints its caption (on the screen, or into the device context of
// WM_PRINTCLIENT); the face goes on top.
LRESULT CALLBACK HumanFacesDialog::pictureProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR self)
{
    const auto& dialog = *reinterpret_cast<const HumanFacesDialog*>(self);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(picture, pictureProc, 0);
    const LRESULT result = DefSubclassProc(picture, message, wParam, lParam);
    if (message == WM_PRINTCLIENT)
        dialog.drawFace(reinterpret_cast<HDC>(wParam));
    else if (message == WM_PAINT)
        dialog.drawFaceOnScreen(picture);
    return result;
}

}  // namespace morvane::win32
