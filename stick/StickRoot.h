// The opened stick: its root directory and what detection found on it.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

struct SoftwareKind;

struct StickRoot {
    // Absolute root directory, as the operating system reports the current directory
    // when the stick was opened. UTF-8 on every platform.
    std::string rootPath;
    // The detected software, or nullptr before a successful detection.
    const SoftwareKind* softwareKind = nullptr;
    // Language code byte of the application's VERSION file (0 to 255), or -1.
    std::int32_t languageCode = -1;
};

}  // namespace morvane
