// VolumeDialog: the window of the Volume Presets command, four volumes from 0 to 63.
#pragma once

#include "dialogs/win32/TrackbarDialog.h"

namespace morvane {

class VolumeDialog final : public TrackbarDialog {
public:
    explicit VolumeDialog(const DialogHost& host);
};

}  // namespace morvane
