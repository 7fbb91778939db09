// The seam for a question the user answers Yes or No: a modal message box with the two
// buttons in the window programs, a scripted fake in the tests.
#pragma once

#include <string_view>

namespace morvane {

class UserQuestions {
public:
    virtual ~UserQuestions() = default;
    // Shows `question` (which may run over several lines); true when it is answered Yes.
    virtual bool askYesNo(std::string_view question) = 0;
};

}  // namespace morvane
