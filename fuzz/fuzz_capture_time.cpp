// Fuzz target of the capture time inside a robot's photo: the input is the JPEG. A time
// read is a time of day on a calendar day; anything else is a reason in words.
#include <variant>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "pc/PhotoCaptureTime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    const std::variant<CaptureTime, std::string> read = readCaptureTime(std::span(data, size));
    if (const auto* time = std::get_if<CaptureTime>(&read)) {
        requireFuzz(time->month >= 1 && time->month <= 12 && time->day >= 1 && time->day <= 31,
                    "a capture date off the calendar");
        requireFuzz(time->hour < 24 && time->minute < 60 && time->second < 60,
                    "a capture time off the clock");
        requireFuzz(time->dateText().size() == 10 && time->timeText().size() == 8,
                    "a time written out of shape");
    } else {
        requireFuzz(!std::get<std::string>(read).empty(), "a refusal without words");
    }
    return 0;
}
