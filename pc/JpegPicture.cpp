// stb_image reads the header first (stbi_info), so that a picture's size is checked before
// its pixels are allocated; only JPEG is compiled in.
#include "pc/JpegPicture.h"

#include <cstring>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#include <stb_image.h>

namespace morvane {

std::variant<RgbImage, std::string> decodeJpeg(std::span<const std::uint8_t> jpeg)
{
    if (jpeg.size() > kLargestJpeg)
        return std::string("larger than 4 MB");
    const auto size = static_cast<int>(jpeg.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (stbi_info_from_memory(jpeg.data(), size, &width, &height, &channels) == 0)
        return std::string("not a picture that can be read");
    if (width > kLargestJpegSide || height > kLargestJpegSide)
        return std::string("larger than 4096 x 4096 pixels");
    stbi_uc* pixels = stbi_load_from_memory(jpeg.data(), size, &width, &height, &channels, 3);
    if (pixels == nullptr)
        return std::string("not a picture that can be read");
    RgbImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    std::memcpy(image.rgb.data(), pixels, image.rgb.size());
    stbi_image_free(pixels);
    return image;
}

}  // namespace morvane
