#include "dialogs/win32/VolumePresetsDialog.h"

#include "dialogs/win32/VolumePresetsDialogRes.h"

namespace morvane::win32 {

// The presets in the model's order: "Default", "Loud", "Quiet".
VolumePresetsDialog::VolumePresetsDialog(const DialogHost& host)
    : SliderDialog(host, {IDD_VOLUME,
                          {IDC_VOLUME0_SLIDER, IDC_VOLUME1_SLIDER, IDC_VOLUME2_SLIDER, IDC_VOLUME3_SLIDER},
                          {IDC_DEFAULT_PRESET, IDC_LOUD_PRESET, IDC_QUIET_PRESET}})
{
}

}  // namespace morvane::win32
