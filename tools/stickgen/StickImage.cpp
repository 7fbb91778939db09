// Writing a stick image with std::filesystem. Names are stored in upper case, so a copy
// on a case-sensitive disk differs in letter case from what the program asks for
// (memstick.ind, tr.ct, custom\comments.ini), as a real FAT stick copied there does.
#include "tools/stickgen/StickImage.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "base/AsciiCase.h"
#include "base/Utf8Path.h"

namespace morvane::stickgen {
namespace {

std::optional<std::string> writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        return "cannot create the folder " + utf8Text(path.parent_path()) + ": " + error.message();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        return "cannot write " + utf8Text(path);
    return std::nullopt;
}

}  // namespace

std::vector<std::uint8_t> textBytes(std::string_view text) { return {text.begin(), text.end()}; }

std::filesystem::path diskPathOf(std::string_view stickPath)
{
    std::filesystem::path path;
    std::size_t start = 0;
    for (std::size_t end = stickPath.find('\\'); end != std::string_view::npos;
         start = end + 1, end = stickPath.find('\\', start))
        path /= asciiUpperCase(stickPath.substr(start, end - start));
    return path / asciiUpperCase(stickPath.substr(start));
}

std::optional<std::string> writeStickImage(const std::filesystem::path& directory,
                                           std::span<const StickImageFile> files)
{
    for (const StickImageFile& file : files) {
        if (auto error = writeFile(directory / diskPathOf(file.stickPath), file.bytes))
            return error;
    }
    return std::nullopt;
}

}  // namespace morvane::stickgen
