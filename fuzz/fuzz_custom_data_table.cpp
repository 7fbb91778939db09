// Fuzz target of CUS.CFG: the input becomes the custom data table of a scratch stick,
// opened as text. The table writes its heading and then one line per row; a row comes
// from one read of at most 127 characters holding at least five TABs.
#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"
#include "reports/CustomDataTable.h"
#include "reports/InfoList.h"
#include "stick/StickStream.h"

namespace {

using morvane::requireFuzz;

constexpr std::string_view kTablePath = "OPEN-R\\APP\\DATA\\P\\CUS.CFG";
constexpr std::size_t kTabsPerRow = 5;
// "  ", "=", " (" and ")" around three fields of a 127-character row less its five TABs.
constexpr std::size_t kLongestRowLine = 6 + 127 - kTabsPerRow;

bool isRowLine(const std::string& line)
{
    return line.starts_with("  ") && line.ends_with(")") && line.size() <= kLongestRowLine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    static const ScratchStick stick;
    requireFuzz(stick.writeFile(kTablePath, std::span(data, size)), "cannot write CUS.CFG");
    std::unique_ptr<StickStream> file = StickStream::open(stick.absolutePath(kTablePath), "rt");
    requireFuzz(file != nullptr, "cannot open CUS.CFG");

    MemoryInfoList list;
    writeCustomDataTable(*file, list);
    StickStream::close(std::move(file));

    const std::vector<std::string>& lines = list.lines();
    requireFuzz(!lines.empty() && lines[0] == "Aibo Custom Data:",
                "the table does not start with its heading");
    requireFuzz(std::all_of(lines.begin() + 1, lines.end(), isRowLine), "a row line is malformed");
    requireFuzz((lines.size() - 1) * kTabsPerRow <= size, "more rows than the file holds");
    return 0;
}
