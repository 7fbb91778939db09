// While the dialog runs it is the host's owner of new modal windows; the previous owner
// comes back when it ends, however it ends. Each dialog opens centred over its owner.
#include "dialogs/win32/ModalDialog.h"

#include "dialogs/win32/CentreOverOwner.h"

namespace morvane {

INT_PTR ModalDialog::runDialog()
{
    HWND previousOwner = host_.owner;
    const INT_PTR result = DialogBoxParamW(host_.instance, MAKEINTRESOURCEW(resourceId_), previousOwner,
                                           dialogProc, reinterpret_cast<LPARAM>(this));
    host_.owner = previousOwner;
    window_ = nullptr;
    return result;
}

INT_PTR CALLBACK ModalDialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<ModalDialog*>(lParam);
        self->window_ = window;
        self->host_.owner = window;
        centreOverOwner(window);
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return self == nullptr ? FALSE : self->handleMessage(message, wParam, lParam);
}

}  // namespace morvane
