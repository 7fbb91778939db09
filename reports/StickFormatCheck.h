// What a stick's own formats allow, checked: its marker, its software, the variable
// files' sizes and the scrambled ones' checksum bytes.
#pragma once

#include <string>
#include <vector>

#include "stick/StickRoot.h"

namespace morvane {

struct FormatDefect {
    std::string path;    // as the robot spells it, with '/' between the parts
    std::string reason;  // short: "missing", "size", "checksum", ...
};

// The defects of the stick at `stick.rootPath`, in path order. A variable file that is
// absent is no defect: not every software keeps all four.
std::vector<FormatDefect> checkStickFormats(const StickRoot& stick);

}  // namespace morvane
