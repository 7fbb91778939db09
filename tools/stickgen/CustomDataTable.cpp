// One line per row, the fields joined by TAB, every line ended by CR LF.
#include "tools/stickgen/CustomDataTable.h"

#include "tools/stickgen/CrLfText.h"

namespace morvane::stickgen {
namespace {

std::string joinFields(const TableRow& row)
{
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i)
        line += (i == 0 ? "" : "\t") + row[i];
    return line;
}

}  // namespace

std::string encodeCustomDataTable(const TableRow& heading, std::span<const TableRow> rows)
{
    std::vector<std::string> lines{joinFields(heading)};
    for (const TableRow& row : rows)
        lines.push_back(joinFields(row));
    return joinCrLfLines(lines);
}

}  // namespace morvane::stickgen
