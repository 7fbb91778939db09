// The names the Diary window gives a day's counters: the robot's element paths
// (BEHAVIOR/V_SHAKE_HANDS) in words ("Behaviour: voice command shake hands"). An element of
// a group the window does not know keeps its path as written.
#pragma once

#include <string>
#include <string_view>

#include "pc/DiaryDay.h"

namespace morvane {

std::string readableCounterName(std::string_view path);

// "Skill: ball                      12.00%": the name, and the value as the table shows it
// (a skill level in percent, anything else as written).
std::string counterLine(const DiaryField& field);

}  // namespace morvane
