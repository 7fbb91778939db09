// The small texts of the Summary: percentages, clock times, the personality sentence.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "reports/FlashVars.h"

namespace morvane {

// `format` with its one "%s" replaced by the percent text of `value`, a level in
// hundredths of a percent: "100%", "99.99%", "12.50%", "0%"; outside 0 to 10000 the
// text is "bad value N" without a percent sign.
std::string formatPercent(std::string_view format, std::int32_t value);

// The 12-hour clock text "%2d:%02d %cM"; hours above 12 are PM, so 12 shows as AM.
std::string formatClockTime(std::int32_t hour, std::int32_t minute);

// The sentence after "Personality = ", chosen from the skill levels.
std::string_view personalityText(const FlashVars& vars);

}  // namespace morvane
