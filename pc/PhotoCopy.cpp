#include "pc/PhotoCopy.h"

#include <chrono>
#include <ctime>
#include <variant>

#include "base/Utf8Path.h"
#include "pc/FileIndex.h"
#include "pc/PcFileCopy.h"
#include "pc/PhotoCaptureTime.h"
#include "stick/StickFileContent.h"

namespace morvane {
namespace {

bool isDated(const AlbumPhoto& photo) { return photo.date != kUnknownDate && photo.time != kUnknownTime; }

// "2017-03-28_192010_IMG00001.JPG"; the name alone when nothing says when it was taken.
std::string copyName(const AlbumPhoto& photo)
{
    if (!isDated(photo))
        return photo.file;
    std::string time = photo.time;
    std::erase(time, ':');
    return photo.date + "_" + time + "_" + photo.file;
}

// When the photo was taken: its capture time, else the date and time its name is given.
std::optional<CaptureTime> takenAt(const AlbumPhoto& photo, std::span<const std::uint8_t> jpeg)
{
    const std::variant<CaptureTime, std::string> read = readCaptureTime(jpeg);
    if (const auto* captured = std::get_if<CaptureTime>(&read))
        return *captured;
    if (!isDated(photo))
        return std::nullopt;
    // "2017-03-28" and "19:20:10", each number at a fixed place.
    const auto number = [](const std::string& text, std::size_t at, std::size_t count) {
        return std::stoi(text.substr(at, count));
    };
    CaptureTime listed;
    listed.year = number(photo.date, 0, 4);
    listed.month = number(photo.date, 5, 2);
    listed.day = number(photo.date, 8, 2);
    listed.hour = number(photo.time, 0, 2);
    listed.minute = number(photo.time, 3, 2);
    listed.second = number(photo.time, 6, 2);
    return listed;
}

// When the photo was taken as a file time, read as the robot's own clock: the local time.
std::optional<std::filesystem::file_time_type> fileTime(const AlbumPhoto& photo,
                                                        std::span<const std::uint8_t> jpeg)
{
    const std::optional<CaptureTime> taken = takenAt(photo, jpeg);
    if (!taken)
        return std::nullopt;
    std::tm local{};
    local.tm_year = taken->year - 1900;
    local.tm_mon = taken->month - 1;
    local.tm_mday = taken->day;
    local.tm_hour = taken->hour;
    local.tm_min = taken->minute;
    local.tm_sec = taken->second;
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
    if (content.outcome == StickFileContent::Outcome::TooLarge)
        return photo.file + " is larger than 4 MB; it was not copied";
    if (content.outcome != StickFileContent::Outcome::Read)
        return "cannot read " + photo.file + "; it was not copied";
    return writeFileOut(folder / utf8Path(copyName(photo)), content.bytes, fileTime(photo, content.bytes));
}

}  // namespace morvane
