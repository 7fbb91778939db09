// The dialog only hands its eight areas over to the painter; "Done" (the cancel id, so
// also Escape and the close box) ends it.
#include "dialogs/win32/ColorPreferencesDialog.h"

#include "dialogs/win32/ColorPreferencesDialogRes.h"

namespace morvane::win32 {

ColorPreferencesDialog::ColorPreferencesDialog(const DialogHost& host)
    : ModalDialog(host, IDD_COLOR_PREFERENCES)
{
}

void ColorPreferencesDialog::runModal(const ColorAreaPainter& painter)
{
    painter_ = &painter;
    runDialog();
    painter_ = nullptr;
}

// Area i, the control IDC_COLOR_AREA0 + i, shows colour i.
void ColorPreferencesDialog::onInit()
{
    for (std::size_t index = 0; index < areas_.size(); ++index)
        areas_[index].attach(item(IDC_COLOR_AREA0 + static_cast<int>(index)), index, *painter_);
}

}  // namespace morvane::win32
