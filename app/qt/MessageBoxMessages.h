// Messages to the user as modal message boxes: one OK button, the warning icon, and the
// program's name as the caption; questions the same way, with Yes and No and the question
// icon, No the default.
#pragma once

#include "ui/UserMessages.h"
#include "ui/UserQuestions.h"

namespace morvane::qt {

class MessageBoxMessages : public UserMessages, public UserQuestions {
public:
    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;
};

}  // namespace morvane::qt
