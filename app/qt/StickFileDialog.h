// The file-open dialog that asks for a stick's MEMSTICK.IND.
#pragma once

#include "ui/FileOpenDialog.h"

namespace morvane::qt {

class StickFileDialog : public FileOpenDialog {
public:
    std::optional<std::string> chooseFile(const FileOpenRequest& request) override;
};

}  // namespace morvane::qt
