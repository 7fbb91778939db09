// A whole VERSION file held in memory, read chunk by chunk the way detection reads it
// from the stick.
#pragma once

#include <cstdint>
#include <span>

#include "stick/SoftwareKind.h"

namespace morvane {

struct VersionFileReading {
    const SoftwareKind* kind = nullptr;
    std::int32_t languageCode = -1;
};

// The software kind and language that the bytes of a VERSION file name.
VersionFileReading readVersionFileBytes(std::span<const std::uint8_t> file);

}  // namespace morvane
