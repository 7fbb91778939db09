// The VERSION chunk file: a "VERS" header with a "COME" comment chunk, then a "VERS"
// version chunk of 8 bytes and a "CNCD" language chunk of 4 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace morvane {

inline constexpr std::size_t kVersionHeaderSize = 16;  // magic, format, "COME", L
inline constexpr std::size_t kVersionChunkSize = 16;   // "VERS", 8, payload
inline constexpr std::size_t kLanguageChunkSize = 12;  // "CNCD", 4, payload

using VersionPayload = std::array<std::uint8_t, 8>;
using LanguagePayload = std::array<std::uint8_t, 4>;

// The comment length L of a valid header ("VERS", format 1, "COME", L), or none.
std::optional<std::uint32_t> parseVersionHeader(std::span<const std::uint8_t, kVersionHeaderSize> bytes);
// The payload of a version chunk ("VERS", length 8, 8 bytes), or none.
std::optional<VersionPayload> parseVersionChunk(std::span<const std::uint8_t, kVersionChunkSize> bytes);
// The payload of a language chunk ("CNCD", length 4, 4 bytes), or none.
std::optional<LanguagePayload> parseLanguageChunk(std::span<const std::uint8_t, kLanguageChunkSize> bytes);

}  // namespace morvane
