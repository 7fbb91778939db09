// The system's file-open dialog, owned by the application's main window when there is one.
#pragma once

#include "app/win32/OwnerWindow.h"
#include "ui/FileOpenDialog.h"

namespace morvane::win32 {

class StickFileDialog : public FileOpenDialog {
public:
    explicit StickFileDialog(const OwnerWindow& owner) : owner_(owner) {}
    std::optional<std::string> chooseFile(const FileOpenRequest& request) override;

private:
    const OwnerWindow& owner_;
};

}  // namespace morvane::win32
