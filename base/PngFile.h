// Writing pixels to a PNG file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace morvane {

// Writes `width` x `height` pixels as an 8-bit RGB PNG. `rgbRows` holds the rows top
// first, three bytes (red, green, blue) per pixel. False when the file cannot be written.
bool writePngFile(std::span<const std::uint8_t> rgbRows, int width, int height,
                  const std::filesystem::path& path);

}  // namespace morvane
