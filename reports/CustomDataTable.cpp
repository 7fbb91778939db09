// Rows of CUS.CFG are read 127 characters at a time (a longer row comes in pieces, each
// taken as a row). A row needs at least six fields; the first shorter row ends the table.
// A read that fails ends it with a line saying so.
#include "reports/CustomDataTable.h"

#include <string>
#include <vector>

#include "base/TextFormat.h"

namespace morvane {
namespace {

constexpr std::size_t kLineCapacity = 128;
constexpr std::size_t kFieldsNeeded = 6;

// The row's fields between TABs; the text ends at a NUL byte, as a C string would.
std::vector<std::string> splitAtTabs(const std::string& row)
{
    const std::string text = row.substr(0, row.find('\0'));
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t', start)) {
        fields.push_back(text.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

}  // namespace

void writeCustomDataTable(StickStream& file, InfoList& list)
{
    list.addLine("Aibo Custom Data:");
    std::string line;
    file.readLine(line, kLineCapacity);  // the table's heading
    while (file.readLine(line, kLineCapacity)) {
        const std::vector<std::string> fields = splitAtTabs(line);
        if (fields.size() < kFieldsNeeded)
            break;
        list.addLine("  " + fields[2] + "=" + fields[4] + " (" + fields[0] + ")");
    }
    // A damaged compressed file fails its first read: its table is not an empty one.
    if (file.readFailed())
        list.addLine("  ERROR: the file cannot be read from here on");
}

}  // namespace morvane
