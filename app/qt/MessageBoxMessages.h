// Messages to the user as modal message boxes: one OK button, the warning icon, and the
// program's name as the caption.
#pragma once

#include "ui/UserMessages.h"

namespace morvane::qt {

class MessageBoxMessages : public UserMessages {
public:
    void showMessage(std::string_view text) override;
};

}  // namespace morvane::qt
