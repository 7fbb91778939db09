// What the Win32 window tests compare the windows with: the sample stick, and the reports
// morvane-cli prints for it, run in this process.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morvane::test {

// A sample stick written once for the whole test program, in the system's temporary
// folder; tests that change their stick write their own with stickgen::writeSampleStick.
const std::filesystem::path& sampleStick();

// What `morvane-cli report NAME STICK [--crlf]` prints.
std::string cliReport(std::string_view name, const std::filesystem::path& stick, bool crlf = false);

}  // namespace morvane::test
