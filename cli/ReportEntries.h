// The report entries morvane-cli knows, by their command-line names, in tree order.
#pragma once

#include <array>
#include <string_view>

namespace morvane::cli {

struct ReportEntry {
    std::string_view name;   // as given on the command line
    std::string_view title;  // as the tree shows it
};

inline constexpr std::array<ReportEntry, 9> kReportEntries{{
    {"summary", "Summary"},
    {"name-owner", "Name / Owner"},
    {"lan-settings", "LAN settings"},
    {"advanced", "Advanced"},
    {"global-variables", "global variables"},
    {"flash-variables", "flash variables"},
    {"r-variables", "r variables (mind2/3)"},
    {"diary-variables", "diary variables"},
    {"versions", "(versions)"},
}};

}  // namespace morvane::cli
