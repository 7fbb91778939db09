// The About box has no state: it opens centred over the main window, showing the
// program's version and the key pads in use, and OK and Cancel (Escape, the close box)
// both end it.
#include "app/win32/AboutBox.h"

#include "MorvaneVersion.h"
#include "app/win32/AboutBoxRes.h"
#include "base/win32/WideText.h"
#include "dialogs/win32/ModalDialog.h"
#include "reports/KeyPadSource.h"

namespace morvane::win32 {
namespace {

class AboutBox final : private ModalDialog {
public:
    explicit AboutBox(const DialogHost& host) : ModalDialog(host, IDD_ABOUT) {}
    void run() { runDialog(); }

private:
    void onInit() override
    {
        SetDlgItemTextW(window(), IDC_ABOUT_VERSION, L"Version " MORVANE_VERSION_TEXT);
        SetDlgItemTextW(window(), IDC_ABOUT_KEY_PADS, widenUtf8(keyPadsLine(keyPadsInUse())).c_str());
        // No inner margin: the field's text lines up with the labels above it.
        SendDlgItemMessageW(window(), IDC_ABOUT_KEY_PADS, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    }
};

}  // namespace

void runAboutBox(const DialogHost& host) { AboutBox(host).run(); }

}  // namespace morvane::win32
