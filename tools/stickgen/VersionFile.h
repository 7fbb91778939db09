// Encoder of the VERSION chunk file: header with comment, version chunk, language chunk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stick/VersionChunk.h"

namespace morvane::stickgen {

struct VersionFileContent {
    std::string comment;
    VersionPayload version{};
    // None leaves the language chunk out: the file ends after the version chunk.
    std::optional<LanguagePayload> language;
};

std::vector<std::uint8_t> encodeVersionFile(const VersionFileContent& content);

}  // namespace morvane::stickgen
