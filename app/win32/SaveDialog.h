// The system's file-save dialog, owned by the main window.
#pragma once

#include "app/win32/OwnerWindow.h"
#include "ui/SaveDialog.h"

namespace morvane::win32 {

class SaveDialog : public morvane::SaveDialog {
public:
    explicit SaveDialog(const OwnerWindow& owner) : owner_(owner) {}
    std::optional<std::string> chooseSaveLocation(const SaveRequest& request) override;

private:
    const OwnerWindow& owner_;
};

}  // namespace morvane::win32
