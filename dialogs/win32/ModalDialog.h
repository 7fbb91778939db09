// ModalDialog: the base of the editors' and viewers' dialogs, and of the About box. It
// runs a dialog resource modally over the host's owner.
#pragma once

#include "base/win32/Dialog.h"
#include "dialogs/win32/DialogHost.h"

namespace morvane::win32 {

class ModalDialog : protected Dialog {
protected:
    ModalDialog(const DialogHost& host, int resourceId) : host_(host), resourceId_(resourceId) {}
    ~ModalDialog() = default;

    // Shows the dialog until it ends; answers the value given to end (IDOK, IDCANCEL).
    INT_PTR runDialog() { return showModal(host_.instance, resourceId_, host_.owner); }

private:
    DialogHost host_;
    int resourceId_;
};

}  // namespace morvane::win32
