// The robot's photos decoded for the windows, through stb_image. Bounded before anything is
// decoded: a file over 4 MB, or a picture over 4096 x 4096 pixels, is refused.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "ui/RgbImage.h"

namespace morvane {

inline constexpr std::size_t kLargestJpeg = 4 << 20;
inline constexpr int kLargestJpegSide = 4096;

// The picture of `jpeg`, or why it is none, as a clause: "larger than 4 MB", "larger than
// 4096 x 4096 pixels", "not a picture that can be read".
std::variant<RgbImage, std::string> decodeJpeg(std::span<const std::uint8_t> jpeg);

}  // namespace morvane
