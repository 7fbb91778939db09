// The dialog procedure keeps the Dialog object in the window's DWLP_USER slot from
// WM_INITDIALOG on; messages before it (WM_SETFONT) are left to the system.
#include "base/win32/Dialog.h"

#include "base/win32/CentreOverOwner.h"

namespace morvane::win32 {

INT_PTR Dialog::showModal(HINSTANCE instance, int resourceId, HWND& owner)
{
    const HWND previousOwner = owner;
    ownerSlot_ = &owner;
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(resourceId), previousOwner, dialogProc,
                                           reinterpret_cast<LPARAM>(this));
    owner = previousOwner;
    ownerSlot_ = nullptr;
    window_ = nullptr;
    return result;
}

bool Dialog::showModeless(HINSTANCE instance, int resourceId, HWND owner)
{
    window_ = CreateDialogParamW(instance, MAKEINTRESOURCEW(resourceId), owner, dialogProc,
                                 reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr)
        return false;
    if (owner != nullptr)
        centreOverOwner(window_);
    ShowWindow(window_, SW_SHOW);
    return true;
}

void Dialog::pumpWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window_ != nullptr && IsDialogMessageW(window_, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Dialog::destroy()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
    window_ = nullptr;
}

INT_PTR CALLBACK Dialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->attach(window);
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return self == nullptr ? FALSE : self->handleMessage(message, wParam, lParam);
}

// A click is a command whoever sends it; so are a menu's and an accelerator's WM_COMMAND,
// which come without a control.
INT_PTR Dialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        onInit();
        return TRUE;
    }
    if (message != WM_COMMAND)
        return onMessage(message, wParam, lParam);
    const int code = HIWORD(wParam);
    if (lParam != 0 && code != BN_CLICKED)
        onNotification(LOWORD(wParam), code);
    else
        onCommand(LOWORD(wParam));
    return TRUE;
}

void Dialog::onCommand(int id)
{
    if (id == IDOK || id == IDCANCEL)
        end(id);
}

void Dialog::attach(HWND window)
{
    window_ = window;
    if (ownerSlot_ == nullptr)
        return;
    centreOverOwner(window);
    *ownerSlot_ = window;
}

}  // namespace morvane::win32
