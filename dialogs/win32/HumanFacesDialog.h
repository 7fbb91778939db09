// HumanFacesDialog: the window of the Human Faces command, the list of stored faces and the
// picture of the selected one.
#pragma once

#include <optional>

#include "dialogs/win32/ModalDialog.h"
#include "ui/FaceDialogView.h"

namespace morvane::win32 {

class HumanFacesDialog final : public FaceDialogView, private ModalDialog {
public:
    explicit HumanFacesDialog(const DialogHost& host);
    void runModal(const FaceRecords& faces) override;

private:
    void onInit() override;
    void onNotification(int id, int code) override;
    // The face of the last selection, if any, over whatever `dc` holds.
    void drawFace(HDC dc) const;
    void drawFaceOnScreen(HWND picture) const;
    static LRESULT CALLBACK pictureProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR subclassId, DWORD_PTR self);

    const FaceRecords* faces_ = nullptr;
    std::optional<std::size_t> shownRecord_;  // the face of the last selection
};

}  // namespace morvane::win32
