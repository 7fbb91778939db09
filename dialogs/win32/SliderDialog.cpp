// The trackbars are the editor's sliders: every move (WM_HSCROLL, also from the keyboard)
// is taken into the controls, a preset moves all four, and "Save" takes the positions
// once more before it saves, so what is saved is what the trackbars show.
#include "dialogs/win32/SliderDialog.h"

#include <commctrl.h>

#include <algorithm>

namespace morvane::win32 {

bool SliderDialog::runModal(SliderControls& controls)
{
    controls_ = &controls;
    const INT_PTR result = runDialog();
    controls_ = nullptr;
    return result == IDOK;
}

INT_PTR SliderDialog::onMessage(UINT message, WPARAM, LPARAM)
{
    if (message != WM_HSCROLL)
        return FALSE;
    takePositions();
    return TRUE;
}

// All ranges first, without redraw; then the positions, with redraw.
void SliderDialog::onInit()
{
    for (std::size_t index = 0; index < ids_.sliders.size(); ++index) {
        SendMessageW(slider(index), TBM_SETRANGEMIN, FALSE, 0);
        SendMessageW(slider(index), TBM_SETRANGEMAX, FALSE, controls_->sliderMaximum());
    }
    showPositions();
}

void SliderDialog::onCommand(int id)
{
    if (id == IDOK) {
        takePositions();
        controls_->save();  // may show the editor's warning, owned by this dialog
        end(IDOK);
    } else if (const auto preset = std::find(ids_.presets.begin(), ids_.presets.end(), id);
               preset != ids_.presets.end()) {
        controls_->pressPreset(static_cast<std::size_t>(preset - ids_.presets.begin()));
        showPositions();
    } else {
        Dialog::onCommand(id);
    }
}

void SliderDialog::showPositions()
{
    for (std::size_t index = 0; index < ids_.sliders.size(); ++index)
        SendMessageW(slider(index), TBM_SETPOS, TRUE, controls_->position(index));
}

void SliderDialog::takePositions()
{
    for (std::size_t index = 0; index < ids_.sliders.size(); ++index)
        controls_->setPosition(index, static_cast<int>(SendMessageW(slider(index), TBM_GETPOS, 0, 0)));
}

}  // namespace morvane::win32
