// The robot's hardware id, the first four bytes of OPEN-R\SYSTEM\DATA\P\AIBO-ID.
#pragma once

#include <cstdint>
#include <optional>

#include "stick/StickRoot.h"

namespace morvane {

// The id read from the stick at `stick.rootPath`; none when the file is missing or short.
std::optional<std::uint32_t> readHardwareId(const StickRoot& stick);

}  // namespace morvane
