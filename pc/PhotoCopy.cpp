#include "pc/PhotoCopy.h"

#include <chrono>
#include <ctime>
#include <variant>

#include "base/Utf8Path.h"
#include "pc/PcFileCopy.h"
#include "pc/PhotoCaptureTime.h"
#include "stick/StickFileContent.h"

namespace morvane {
namespace {

// "2017-03-28_192010_IMG00001.JPG"; the name alone when nothing says when it was taken.
std::string copyName(const AlbumPhoto& photo)
{
    if (photo.date.find('?') != std::string::npos || photo.time.find('?') != std::string::npos)
        return photo.file;
    std::string time = photo.time;
    std::erase(time, ':');
    return photo.date + "_" + time + "_" + photo.file;
}

// The capture time as a file time, read as the robot's own clock: the local time.
std::optional<std::filesystem::file_time_type> fileTime(std::span<const std::uint8_t> jpeg)
{
    const std::variant<CaptureTime, std::string> read = readCaptureTime(jpeg);
    const auto* captured = std::get_if<CaptureTime>(&read);
    if (captured == nullptr)
        return std::nullopt;
    std::tm local{};
    local.tm_year = captured->year - 1900;
    local.tm_mon = captured->month - 1;
    local.tm_mday = captured->day;
    local.tm_hour = captured->hour;
    local.tm_min = captured->minute;
    local.tm_sec = captured->second;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    if (when == static_cast<std::time_t>(-1))
        return std::nullopt;
    return std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(when));
}

}  // namespace

std::optional<std::string> copyPhoto(const AlbumPhoto& photo, const std::filesystem::path& folder)
{
    const StickFileContent content = readStickFileContent(photoPath(photo), kLargestPhoto);
    if (content.outcome != StickFileContent::Outcome::Read)
        return "cannot read " + photo.file + "; it was not copied";
    const std::filesystem::path target = folder / utf8Path(copyName(photo));
    if (!writeFileOut(target, content.bytes, fileTime(content.bytes)))
        return "cannot write " + utf8Text(target);
    return std::nullopt;
}

}  // namespace morvane
