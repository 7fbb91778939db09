// The PNG encoding is stb_image_write's; the file itself is written here, so that a
// UTF-8 path works on Windows too.
#include "cli/PngFile.h"

#include <filesystem>
#include <fstream>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include "stick/Utf8Path.h"

namespace morvane::cli {
namespace {

void appendBytes(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<char>*>(context);
    const auto* bytes = static_cast<const char*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::filesystem::path outputPath(std::string_view path)
{
    std::error_code error;
    const std::filesystem::path given = utf8Path(path);
    const std::filesystem::path absolute = std::filesystem::absolute(given, error);
    return error ? given : absolute;
}

bool writePngFile(const ImageCanvas& image, const std::filesystem::path& path)
{
    std::vector<char> png;
    if (stbi_write_png_to_func(appendBytes, &png, image.width(), image.height(), 3, image.rgbBytes().data(),
                               3 * image.width()) == 0)
        return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    file.close();
    return !file.fail();
}

}  // namespace morvane::cli
