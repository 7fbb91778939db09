// Whether the numbers the robot writes for a date or a time of day name one, so that a
// date is shown, sorted or given to a file only when it is a real one.
#pragma once

namespace morvane {

constexpr bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

constexpr bool isCalendarDate(int year, int month, int day)
{
    constexpr int kDaysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= kDaysIn[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

constexpr bool isTimeOfDay(int hour, int minute, int second)
{
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

}  // namespace morvane
