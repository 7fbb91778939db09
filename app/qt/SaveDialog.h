// The file-save dialog.
#pragma once

#include "ui/SaveDialog.h"

namespace morvane::qt {

class SaveDialog : public morvane::SaveDialog {
public:
    std::optional<std::string> chooseSaveLocation(const SaveRequest& request) override;
};

}  // namespace morvane::qt
