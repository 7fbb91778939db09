#include "dialogs/win32/VolumeDialog.h"

#include "dialogs/win32/VolumeDialogRes.h"

namespace morvane {

// The presets in the model's order: "Default", "Loud", "Quiet".
VolumeDialog::VolumeDialog(const DialogHost& host)
    : TrackbarDialog(host, {IDD_VOLUME,
                            {IDC_VOLUME0_SLIDER, IDC_VOLUME1_SLIDER, IDC_VOLUME2_SLIDER, IDC_VOLUME3_SLIDER},
                            {IDC_DEFAULT_PRESET, IDC_LOUD_PRESET, IDC_QUIET_PRESET}})
{
}

}  // namespace morvane
