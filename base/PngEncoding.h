// Pixels encoded as a PNG file's bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace morvane {

// `width` x `height` pixels as an 8-bit RGB PNG. `rgbRows` holds the rows top first, three
// bytes (red, green, blue) per pixel. None when the sizes do not agree.
std::optional<std::vector<std::uint8_t>> encodePng(std::span<const std::uint8_t> rgbRows, int width,
                                                   int height);

}  // namespace morvane
