// custom\comments.ini: the name of an installed custom personality.
#pragma once

#include <optional>
#include <string>

#include "stick/StickRoot.h"

namespace morvane {

// The value of the first NAME= (or name=) line in the [CUSTOM] (or [custom]) section,
// or none when the file or such a line is missing.
std::optional<std::string> readCustomPersonalityName(const StickRoot& stick);

}  // namespace morvane
