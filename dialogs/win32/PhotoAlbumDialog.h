// PhotoAlbumDialog: the window of the Photo Album command, the thumbnails in a virtual list
// that asks for each as it comes into view, and "Open" and "Save Photos...".
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "dialogs/win32/ModalDialog.h"
#include "ui/PhotoAlbumView.h"

namespace morvane::win32 {

class PhotoAlbumDialog final : public PhotoAlbumView, private ModalDialog {
public:
    explicit PhotoAlbumDialog(const DialogHost& host);
    void runModal(PhotoRecords& album) override;

private:
    void onInit() override;
    void onCommand(int id) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onListNotify(const NMHDR& header);
    // The image list's index of the line's thumbnail, decoded and added when first asked.
    int imageOf(std::size_t line);
    std::optional<std::size_t> chosenLine() const;
    void openChosen();

    DialogHost host_;
    PhotoRecords* album_ = nullptr;
    HIMAGELIST images_ = nullptr;  // the list's; it destroys them with itself
    // Each line's place in the image list, I_IMAGENONE when its thumbnail found no room
    // there; none until the line's thumbnail is asked for, so that each is read once.
    std::vector<std::optional<int>> imageOfLine_;
    std::vector<std::wstring> texts_;
};

}  // namespace morvane::win32
