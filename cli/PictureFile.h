// A picture written to the PNG file a command was given.
#pragma once

#include <filesystem>

#include "ui/ImageCanvas.h"

namespace morvane::cli {

// Writes `picture` as a PNG file at `path`, replacing any file there in one step, so that a
// failed write leaves that file as it was. False when it could not be written.
bool writePictureFile(const ImageCanvas& picture, const std::filesystem::path& path);

}  // namespace morvane::cli
