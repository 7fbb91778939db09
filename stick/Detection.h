// Deciding whether a directory is a supported stick, and which software it carries.
#pragma once

#include <optional>
#include <string>

#include "stick/StickRoot.h"

namespace morvane {

// Detects the stick's software and language into `stick`. Answers none on success, or
// the message (one to three lines) that says why the stick is refused.
std::optional<std::string> detectSoftware(StickRoot& stick);

}  // namespace morvane
