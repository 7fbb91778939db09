// The seam for messages to the user: a modal message box with one OK button in the
// window program, standard error in morvane-cli, a recording fake in the tests.
#pragma once

#include <string_view>

namespace morvane {

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // Shows `text` (which may run over several lines) and returns once it is answered.
    virtual void showMessage(std::string_view text) = 0;
};

}  // namespace morvane
