// The system's file-save dialog asking for a folder to be made, owned by the main window.
#pragma once

#include "app/win32/OwnerWindow.h"
#include "ui/NewFolderDialog.h"

namespace morvane::win32 {

class SaveFolderDialog : public NewFolderDialog {
public:
    explicit SaveFolderDialog(const OwnerWindow& owner) : owner_(owner) {}
    std::optional<std::string> chooseNewFolder(const NewFolderRequest& request) override;

private:
    const OwnerWindow& owner_;
};

}  // namespace morvane::win32
