// Messages to the user as modal message boxes: one OK button, the warning icon, and the
// program's name as the caption; questions the same way, with Yes and No and the question
// icon, No the default.
#pragma once

#include <string>

#include "app/win32/OwnerWindow.h"
#include "ui/UserMessages.h"
#include "ui/UserQuestions.h"

namespace morvane::win32 {

class MessageBoxMessages : public UserMessages, public UserQuestions {
public:
    explicit MessageBoxMessages(const OwnerWindow& owner);
    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;

private:
    const OwnerWindow& owner_;
    std::wstring caption_;
};

}  // namespace morvane::win32
