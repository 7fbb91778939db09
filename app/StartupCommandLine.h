// The window program's command line: an optional "/v" switch and an optional stick
// directory.
#pragma once

#include <string_view>

namespace morvane {

// The stick directory named on `commandLine` (the part after the program name), or an
// empty text when none is named. Leading blanks and a "/v" switch (exactly these two
// characters, which change nothing) are skipped; the rest of the line is the directory,
// trailing blanks included, less one pair of double quotes when it starts and ends with
// one: "C:\My Sticks" (quotes included) names the folder C:\My Sticks.
std::string_view stickDirectoryArgument(std::string_view commandLine);

}  // namespace morvane
