// The PNG encoding is stb_image_write's, into memory: the file is written by whoever
// knows how it must be replaced.
#include "base/PngEncoding.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace morvane {
namespace {

void appendBytes(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> encodePng(std::span<const std::uint8_t> rgbRows, int width,
                                                   int height)
{
    if (width <= 0 || height <= 0 || rgbRows.size() != static_cast<std::size_t>(width) * height * 3)
        return std::nullopt;
    std::vector<std::uint8_t> png;
    if (stbi_write_png_to_func(appendBytes, &png, width, height, 3, rgbRows.data(), 3 * width) == 0)
        return std::nullopt;
    return png;
}

}  // namespace morvane
