#include "cli/PictureFile.h"

#include "base/PngEncoding.h"
#include "base/Utf8Path.h"
#include "stick/AtomicFile.h"

namespace morvane::cli {

bool writePictureFile(const ImageCanvas& picture, const std::filesystem::path& path)
{
    const std::optional<std::vector<std::uint8_t>> png =
        encodePng(picture.rgbBytes(), picture.width(), picture.height());
    return png && replaceNativeFileAtomically(utf8Text(path), *png) == SaveOutcome::Saved;
}

}  // namespace morvane::cli
