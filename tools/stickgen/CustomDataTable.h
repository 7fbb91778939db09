// Encoder of CUS.CFG, the custom data table: tab-separated CR LF text.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace morvane::stickgen {

using TableRow = std::vector<std::string>;

// The heading line, then one line per row, fields joined by TAB. The robot's rows hold
// at least six fields.
std::string encodeCustomDataTable(const TableRow& heading, std::span<const TableRow> rows);

}  // namespace morvane::stickgen
