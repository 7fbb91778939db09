// When the robot took a photo, from the photo itself: after the JFIF segment its JPEGs hold
// a second APP0 segment whose data starts with "AIBO" and a zero byte, then 02 00, a zero
// byte, and the capture time: year (16 bits, little-endian), month, day, weekday (0 is
// Sunday), hour, minute, second. What follows in that segment is not understood.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace morvane {

struct CaptureTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // "2017-03-28" and "19:20:10".
    std::string dateText() const;
    std::string timeText() const;
};

// The capture time of the JPEG `jpeg`, or why there is none, as a clause: "not a JPEG",
// "no capture-time segment", "cut short", "a capture time that is no time".
std::variant<CaptureTime, std::string> readCaptureTime(std::span<const std::uint8_t> jpeg);

}  // namespace morvane
