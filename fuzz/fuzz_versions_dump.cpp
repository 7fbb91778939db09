// Fuzz target of the versions report's reading of one VERSION file: the input becomes the
// application VERSION file of a scratch stick, read through a binary stream. Whatever
// the bytes, the report writes the title and then either the two value lines or exactly
// one error line.
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"
#include "reports/InfoList.h"
#include "reports/VersionsReport.h"
#include "stick/StickStream.h"

namespace {

using morvane::requireFuzz;

constexpr std::string_view kVersionPath = "OPEN-R\\APP\\VERSION";
constexpr std::string_view kTitle = "App Version:";

bool isValueLines(const std::vector<std::string>& lines)
{
    return lines.size() == 3 && lines[1].starts_with("   vers: ") && lines[2].starts_with("   cncd: ");
}

bool isErrorLine(const std::vector<std::string>& lines)
{
    return lines.size() == 2 && lines[1].starts_with("   ERROR: ");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    static const ScratchStick stick;
    requireFuzz(stick.writeApplicationVersion(std::span(data, size)), "cannot write the VERSION file");
    std::unique_ptr<StickStream> stream = StickStream::open(stick.absolutePath(kVersionPath), "rb");
    requireFuzz(stream != nullptr, "cannot open the VERSION file");

    MemoryInfoList list;
    dumpVersionFile(stream.get(), kTitle, list);
    StickStream::close(std::move(stream));

    const std::vector<std::string>& lines = list.lines();
    requireFuzz(!lines.empty() && lines[0] == kTitle, "the title is not the first line");
    requireFuzz(isValueLines(lines) || isErrorLine(lines), "neither two value lines nor one error line");
    return 0;
}
