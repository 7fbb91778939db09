// The GVAR values the Summary interprets; the same indices in both GVAR layouts.
#pragma once

#include <cstddef>

namespace morvane::gvar {

inline constexpr std::size_t wakeHour = 10;
inline constexpr std::size_t wakeMinute = 11;
inline constexpr std::size_t bedHour = 20;
inline constexpr std::size_t bedMinute = 21;
inline constexpr std::size_t alarmSet = 25;
inline constexpr std::size_t lastRunYear = 46;  // minus 2000
inline constexpr std::size_t lastRunMonth = 47;
inline constexpr std::size_t lastRunDay = 48;

}  // namespace morvane::gvar
