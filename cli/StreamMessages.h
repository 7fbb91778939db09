// morvane-cli's message box: the message text on standard error, unchanged.
#pragma once

#include <ostream>

#include "ui/UserMessages.h"

namespace morvane::cli {

class StreamMessages : public UserMessages {
public:
    explicit StreamMessages(std::ostream& stream) : stream_(stream) {}
    void showMessage(std::string_view text) override { stream_ << text << '\n'; }

private:
    std::ostream& stream_;
};

}  // namespace morvane::cli
