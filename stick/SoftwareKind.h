// The table of stick software that Morvane recognises.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "stick/VersionChunk.h"

namespace morvane {

struct SoftwareKind {
    const char* key;
    std::array<std::uint8_t, 8> signature;
    const char* description;
    std::uint32_t kindCode;
};

// The four rows, in table order; row 0 is the development stick, chosen only when the
// application VERSION file is missing.
std::span<const SoftwareKind, 4> softwareKinds();
const SoftwareKind& sdkSoftwareKind();

// The row whose signature starts the payload, or nullptr. The SDK row never matches.
const SoftwareKind* lookUpSoftwareKind(const VersionPayload& payload);

}  // namespace morvane
