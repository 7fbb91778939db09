// PhotoWindow: one photo of the album in a window of its own, which the owner may size
// and maximise; the photo fills it in its own proportions, scaled smoothly.
#pragma once

#include <string>

#include "dialogs/win32/DibPicture.h"
#include "dialogs/win32/ModalDialog.h"

namespace morvane::win32 {

class PhotoWindow final : private ModalDialog {
public:
    // The window opens fitted to 640 x 480 pixels, titled `caption`.
    PhotoWindow(const DialogHost& host, const RgbImage& photo, std::wstring caption);
    // Shows the photo until the window is closed (or Escape is pressed).
    void run() { runDialog(); }

private:
    void onInit() override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc) const;

    DibPicture picture_;
    std::wstring caption_;
};

}  // namespace morvane::win32
