// Opening a stick: the current directory becomes the stick root, then detection decides.
#pragma once

#include <string>
#include <string_view>

#include "stick/StickRoot.h"
#include "ui/UserMessages.h"

namespace morvane {

// Makes `directory` the current directory; on failure shows the command-line error.
bool enterCommandLineDirectory(std::string_view directory, UserMessages& messages);

// Records the current directory as the stick root and runs detection; a refusal is
// shown as "Stick Open Error: " and the reason. Answers whether the stick was accepted.
bool openStick(StickRoot& stick, UserMessages& messages);

std::string commandLineDirectoryError(std::string_view directory);

// "Stick Open Error: " and the detection's reason.
std::string stickOpenError(std::string_view refusal);

}  // namespace morvane
