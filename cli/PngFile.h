// Writing a canvas to a PNG file.
#pragma once

#include <filesystem>
#include <string_view>

#include "cli/ImageCanvas.h"

namespace morvane::cli {

// An output path given on the command line (UTF-8), made absolute against the current
// directory; taken before the stick is opened, which changes the current directory.
std::filesystem::path outputPath(std::string_view path);

// Writes `image` as an 8-bit RGB PNG; false when the file cannot be written.
bool writePngFile(const ImageCanvas& image, const std::filesystem::path& path);

}  // namespace morvane::cli
