// SliderDialog: the Win32 window of the two slider editors (skill levels, volume
// presets): four trackbars, a column of preset buttons, "Save" and "Cancel", acting on
// the editor's SliderControls.
#pragma once

#include <array>

#include "dialogs/win32/ModalDialog.h"
#include "ui/SliderDialogView.h"

namespace morvane::win32 {

// The resource of one editor: its dialog, its trackbars top first, and its preset
// buttons in the order of SliderControls::presetNames.
struct SliderDialogIds {
    int dialog;
    std::array<int, SliderControls::kSliderCount> sliders;
    std::array<int, 3> presets;
};

class SliderDialog : public SliderDialogView, private ModalDialog {
public:
    bool runModal(SliderControls& controls) override;

protected:
    SliderDialog(const DialogHost& host, const SliderDialogIds& ids)
        : ModalDialog(host, ids.dialog), ids_(ids)
    {
    }

private:
    void onInit() override;
    void onCommand(int id) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void showPositions();
    void takePositions();
    HWND slider(std::size_t index) const { return item(ids_.sliders[index]); }

    SliderDialogIds ids_;
    SliderControls* controls_ = nullptr;
};

}  // namespace morvane::win32
