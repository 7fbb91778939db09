#include "pc/PcFileCopy.h"

#include <system_error>

#include "base/Utf8Path.h"
#include "stick/AtomicFile.h"

namespace morvane {

bool writeFileOut(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                  const std::optional<std::filesystem::file_time_type>& modified)
{
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    if (replaceFileAtomically(utf8Text(target), bytes) != SaveOutcome::Saved)
        return false;
    if (modified)
        std::filesystem::last_write_time(target, *modified, error);
    return true;
}

}  // namespace morvane
