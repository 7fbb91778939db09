// Through std::u8string, which std::filesystem takes as UTF-8 on every system.
#include "base/Utf8Path.h"

namespace morvane {

std::filesystem::path utf8Path(std::string_view text) { return std::u8string(text.begin(), text.end()); }

std::string utf8Text(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace morvane
