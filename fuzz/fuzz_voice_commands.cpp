// Fuzz target of ARRMAIN.BIN: the input becomes the voice command file of a scratch
// stick, listed with the English phonemes. Item counts come from the file, so the
// listing must stay in proportion to the file's size however large a count is.
#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"
#include "reports/InfoList.h"
#include "reports/VoiceCommands.h"
#include "reports/VoiceLanguage.h"
#include "stick/StickStream.h"

namespace {

using morvane::requireFuzz;

constexpr std::string_view kVoiceCommandPath = "OPEN-R\\APP\\DATA\\P\\ARRMAIN.BIN";
constexpr std::int32_t kEnglish = 3;
// A phoneme line: three blanks and eight entries of at most eight characters (" ?65535?").
constexpr std::size_t kLongestLine = 3 + 8 * 8;

// A record costs 16 bytes of header for its empty line, its label line and its last
// phoneme line, and 8 bytes an item for an eighth of a line; the file header costs 16.
// So the list never holds more than a line per four bytes of the file.
bool inProportion(const morvane::MemoryInfoList& list, std::size_t fileSize)
{
    const std::vector<std::string>& lines = list.lines();
    return lines.size() <= fileSize / 4 &&
           std::all_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return line.size() <= kLongestLine; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    static const ScratchStick stick;
    static const VoiceLanguage* const english = findVoiceLanguage(kEnglish);
    requireFuzz(stick.writeFile(kVoiceCommandPath, std::span(data, size)), "cannot write ARRMAIN.BIN");
    std::unique_ptr<StickStream> file = StickStream::open(stick.absolutePath(kVoiceCommandPath), "rb");
    requireFuzz(file != nullptr, "cannot open ARRMAIN.BIN");

    MemoryInfoList list;
    const bool listed = listVoiceCommands(*file, list, english->phonemes);
    StickStream::close(std::move(file));

    requireFuzz(inProportion(list, size), "the listing is out of proportion to the file");
    requireFuzz(!listed || list.lineCount() >= 3, "a listing without a whole record");
    return 0;
}
