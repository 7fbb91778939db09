// The diary as a table for people, the newest day first: date, time, operation time, walk
// distance, the four skill levels in percent and the recognition counts. morvane-cli diary
// prints these lines, and the Diary window lists them.
#pragma once

#include <string>
#include <vector>

#include "pc/Diary.h"

namespace morvane {

std::vector<std::string> diaryTableLines(const Diary& diary);

// A skill level of the diary, in hundredths of a percent, as a percentage: "12.34%"; text
// that is no level of 0 to 10000 as written, and "-" for none.
std::string skillPercent(std::optional<std::string_view> level);

}  // namespace morvane
