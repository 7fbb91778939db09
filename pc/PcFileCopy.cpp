// The copy is written under a temporary name beside the target and renamed to it once
// whole, so a copy cut off halfway never stands under the target's name.
#include "pc/PcFileCopy.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/Utf8Path.h"
#include "stick/AtomicFile.h"

namespace morvane {
namespace {

enum class Existing { None, Same, Other };

Existing existingFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes)
{
    std::error_code error;
    if (!std::filesystem::exists(target, error) && !error)
        return Existing::None;
    const std::uintmax_t size = std::filesystem::file_size(target, error);
    if (error || size != bytes.size())
        return Existing::Other;
    std::ifstream file(target, std::ios::binary);
    const bool same = std::equal(
        bytes.begin(), bytes.end(), std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>(),
        [](std::uint8_t byte, char held) { return byte == static_cast<std::uint8_t>(held); });
    return file && same ? Existing::Same : Existing::Other;
}

}  // namespace

std::optional<std::string> writeFileOut(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes,
                                        const std::optional<std::filesystem::file_time_type>& modified)
{
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    const Existing existing = existingFile(target, bytes);
    if (existing == Existing::Other)
        return "cannot write " + utf8Text(target) + ": a different file of that name is there";
    if (existing == Existing::None &&
        replaceNativeFileAtomically(utf8Text(target), bytes) != SaveOutcome::Saved)
        return "cannot write " + utf8Text(target);
    if (modified)
        std::filesystem::last_write_time(target, *modified, error);
    return std::nullopt;
}

}  // namespace morvane
