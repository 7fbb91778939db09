// A picture in memory: three bytes a pixel (red, green, blue), rows from the top.
#pragma once

#include <cstdint>
#include <vector>

namespace morvane {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes
};

}  // namespace morvane
