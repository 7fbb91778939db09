// The file-save dialog asking for a folder to be made.
#pragma once

#include "ui/NewFolderDialog.h"

namespace morvane::qt {

class SaveFolderDialog : public NewFolderDialog {
public:
    std::optional<std::string> chooseNewFolder(const NewFolderRequest& request) override;
};

}  // namespace morvane::qt
