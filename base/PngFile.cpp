// The PNG encoding is stb_image_write's; the file itself is written here, so that a
// UTF-8 path works on Windows too.
#include "base/PngFile.h"

#include <fstream>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace morvane {
namespace {

void appendBytes(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<char>*>(context);
    const auto* bytes = static_cast<const char*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

bool writePngFile(std::span<const std::uint8_t> rgbRows, int width, int height,
                  const std::filesystem::path& path)
{
    if (width <= 0 || height <= 0 || rgbRows.size() != static_cast<std::size_t>(width) * height * 3)
        return false;
    std::vector<char> png;
    if (stbi_write_png_to_func(appendBytes, &png, width, height, 3, rgbRows.data(), 3 * width) == 0)
        return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    file.close();
    return !file.fail();
}

}  // namespace morvane
