// The segments are walked from the start of the image to the first scan: only their
// markers and lengths are read, each length checked against the bytes left.
#include "pc/PhotoCaptureTime.h"

#include <string_view>

#include "base/TextFormat.h"
#include "pc/CalendarDate.h"

namespace morvane {
namespace {

constexpr std::uint8_t kApp0 = 0xE0;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::string_view kSignature{"AIBO\0\x02\x00\x00", 8};
constexpr std::size_t kTimeBytes = 8;

// Markers that stand alone, without a length: TEM and the restart markers.
bool standsAlone(std::uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

std::variant<CaptureTime, std::string> timeFrom(std::span<const std::uint8_t> time)
{
    CaptureTime captured{time[0] | time[1] << 8, time[2], time[3], time[4], time[5], time[6], time[7]};
    // The robot's clock counts from 2000 when it was reset; its century is the only one.
    const bool sensible = captured.year >= 2000 && captured.year <= 2099 &&
                          isCalendarDate(captured.year, captured.month, captured.day) &&
                          captured.weekday <= 6 &&
                          isTimeOfDay(captured.hour, captured.minute, captured.second);
    if (!sensible)
        return std::string("a capture time that is no time");
    return captured;
}

bool isCaptureSegment(std::uint8_t marker, std::span<const std::uint8_t> data)
{
    return marker == kApp0 && data.size() >= kSignature.size() + kTimeBytes &&
           std::string_view(reinterpret_cast<const char*>(data.data()), kSignature.size()) == kSignature;
}

}  // namespace

std::string CaptureTime::dateText() const { return formatText("%04d-%02d-%02d", year, month, day); }

std::string CaptureTime::timeText() const { return formatText("%02d:%02d:%02d", hour, minute, second); }

std::variant<CaptureTime, std::string> readCaptureTime(std::span<const std::uint8_t> jpeg)
{
    if (jpeg.size() < 2 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return std::string("not a JPEG");
    std::size_t at = 2;
    while (true) {
        while (at < jpeg.size() && jpeg[at] == 0xFF && at + 1 < jpeg.size() && jpeg[at + 1] == 0xFF)
            ++at;  // fill bytes before a marker
        if (at + 2 > jpeg.size() || jpeg[at] != 0xFF)
            return std::string("cut short");
        const std::uint8_t marker = jpeg[at + 1];
        at += 2;
        if (marker == kStartOfScan || marker == kEndOfImage)
            return std::string("no capture-time segment");
        if (standsAlone(marker))
            continue;
        if (at + 2 > jpeg.size())
            return std::string("cut short");
        const std::size_t length = static_cast<std::size_t>(jpeg[at] << 8 | jpeg[at + 1]);
        if (length < 2 || at + length > jpeg.size())
            return std::string("cut short");
        const std::span<const std::uint8_t> data = jpeg.subspan(at + 2, length - 2);
        if (isCaptureSegment(marker, data))
            return timeFrom(data.subspan(kSignature.size(), kTimeBytes));
        at += length;
    }
}

}  // namespace morvane
