// VolumePresetsDialog: the window of the Volume Presets command, four volumes from 0 to 63.
#pragma once

#include "dialogs/win32/SliderDialog.h"

namespace morvane::win32 {

class VolumePresetsDialog final : public SliderDialog {
public:
    explicit VolumePresetsDialog(const DialogHost& host);
};

}  // namespace morvane::win32
