// Fuzz target of the stick's line reader: the input becomes a text file of a
// scratch stick, read to its end with each capacity the program reads lines with (124
// for the LAN settings, 128 for comments.ini). The reader must reach the end, and no
// line may be longer than one read of capacity - 1 bytes; a damaged compressed file reads
// no line at all.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"
#include "stick/StickFile.h"

namespace {

using morvane::requireFuzz;

constexpr std::string_view kTextPath = "OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML\\WLANCONF.TXT";
constexpr std::array<std::size_t, 2> kCapacities{124, 128};

// Every line moves the position on by at least one byte, so a file of `fileSize` bytes
// gives at most that many lines; one more means the reader stands still.
void readToEnd(morvane::StickFile& file, std::size_t capacity, std::size_t fileSize)
{
    std::string line;
    // A damaged compressed file opens but is never read in part: it cannot seek either.
    if (!file.seek(0)) {
        requireFuzz(!file.readLine(line, capacity), "a file that cannot go back to its start reads a line");
        return;
    }
    for (std::size_t lines = 0; file.readLine(line, capacity); ++lines) {
        requireFuzz(lines < fileSize, "the line reader does not move on");
        requireFuzz(line.size() < capacity, "a line is longer than one read");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    static const ScratchStick stick;
    requireFuzz(stick.writeFile(kTextPath, std::span(data, size)), "cannot write the text file");
    std::unique_ptr<StickFile> file = StickFile::open(stick.rootPath(), kTextPath, "rt");
    requireFuzz(file != nullptr, "cannot open the text file");
    for (const std::size_t capacity : kCapacities)
        readToEnd(*file, capacity, size);
    StickFile::close(std::move(file));
    return 0;
}
