// Opening the STICK argument of a command, as the window program opens a stick.
#pragma once

#include <ostream>
#include <string_view>

#include "stick/StickRoot.h"

namespace morvane::cli {

// Enters `directory`, records it as the stick root and runs detection. On failure the
// message is on `err` and the answer is false (exit status 2).
bool openStickArgument(std::string_view directory, StickRoot& stick, std::ostream& err);

}  // namespace morvane::cli
