// The work runs on the program's own thread: between two files, and within a large one,
// it lets the waiting messages through, so the window repaints and Cancel is taken. Cancel
// only raises a flag that the work reads; the work closes the window. The file at hand is
// drawn at the pace of ProgressPacing; looking for waiting messages costs next to nothing
// when there are none.
#include "app/win32/ProgressDialog.h"

#include <commctrl.h>

#include "app/win32/ProgressDialogRes.h"
#include "base/win32/WideText.h"

namespace morvane::win32 {

void ProgressDialog::open(std::string_view title)
{
    cancelled_ = false;
    pacing_.restart();
    disabledOwner_ = owner_.window;
    if (disabledOwner_ != nullptr)
        EnableWindow(disabledOwner_, FALSE);
    if (showModeless(instance_, IDD_PROGRESS, disabledOwner_))
        SetWindowTextW(window(), widenUtf8(title).c_str());
}

bool ProgressDialog::advance(std::string_view path, std::size_t index, std::size_t count)
{
    if (window() != nullptr && pacing_.due()) {
        SetDlgItemTextW(window(), IDC_PROGRESS_PATH, widenUtf8(path).c_str());
        SendDlgItemMessageW(window(), IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, static_cast<LPARAM>(count));
        SendDlgItemMessageW(window(), IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(index), 0);
        RedrawWindow(window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    pumpWaitingMessages();
    return !cancelled_;
}

// The owner takes input again before the window goes, so that it gets the focus back.
void ProgressDialog::close()
{
    if (disabledOwner_ != nullptr)
        EnableWindow(disabledOwner_, TRUE);
    disabledOwner_ = nullptr;
    destroy();
}

void ProgressDialog::onCommand(int id)
{
    if (id == IDCANCEL)
        cancelled_ = true;
}

}  // namespace morvane::win32
