// Fuzz target of whole sticks: each input describes a stick (which of the files Morvane
// reads exist, their bytes, stored plain or gzip-compressed, and the letter case of their
// names on disk). The stick is laid out in a scratch folder, and everything the programs
// do with a stick runs on it: detection, every report entry, both editors' reads (their
// dialogs left at once) and both viewers' loads, through morvane-cli's commands.
//
// Input: records of [file number, flags, length (2 bytes, little-endian), bytes]. The
// file number picks a stick file (modulo their count); flag 1 stores it compressed, flag
// 2 spells its names on disk in lower case. A later record of the same file replaces it.
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/CliMain.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"
#include "stick/GzipMember.h"

namespace {

using namespace morvane;
namespace fs = std::filesystem;

// Every stick file that a report, editor or viewer reads, as the robot spells it.
constexpr std::array<std::string_view, 22> kStickFiles{
    "MEMSTICK.IND",
    "OPEN-R\\APP\\VERSION",
    "OPEN-R\\SYSTEM\\VERSION",
    "OPEN-R\\MW\\VERSION",
    "OPEN-R\\APP\\DATA\\P\\CUSVER",
    "OPEN-R\\APP\\DATA\\E\\HMMDATA.BIN",
    "CUSTOM\\COMMENTS.INI",
    "OPEN-R\\APP\\DATA\\P\\CUS.CFG",
    "OPEN-R\\APP\\DATA\\P\\FVAR",
    "OPEN-R\\APP\\DATA\\P\\GVAR",
    "OPEN-R\\APP\\DATA\\P\\RVAR",
    "OPEN-R\\APP\\DATA\\P\\DVAR",
    "OPEN-R\\APP\\DATA\\P\\ARRMAIN.BIN",
    "OPEN-R\\APP\\DATA\\P\\ESCENE.BIN",
    "OPEN-R\\SYSTEM\\DATA\\P\\AIBO-ID",
    "OPEN-R\\SYSTEM\\CONF\\WLANDFLT.TXT",
    "OPEN-R\\SYSTEM\\CONF\\WLANCONF.TXT",
    "OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML\\WLANDFLT.TXT",
    "OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML\\WLANCONF.TXT",
    "OPEN-R\\MW\\CONF\\VOLUME.CFG",
    "OPEN-R\\APP\\DATA\\P\\TR.CT",
    "OPEN-R\\APP\\DATA\\P\\FIFDATA.BIN",
};

constexpr std::uint8_t kCompressed = 1;
constexpr std::uint8_t kLowerCase = 2;

struct StickFileBytes {
    std::uint8_t flags = 0;
    std::vector<std::uint8_t> bytes;
};

std::map<std::size_t, StickFileBytes> parseStick(std::span<const std::uint8_t> input)
{
    std::map<std::size_t, StickFileBytes> files;
    while (input.size() >= 4) {
        const std::size_t number = input[0] % kStickFiles.size();
        const std::uint8_t flags = input[1];
        const std::size_t length =
            std::min<std::size_t>(input[2] | std::size_t{input[3]} << 8, input.size() - 4);
        files[number] = {flags, std::vector<std::uint8_t>(input.begin() + 4, input.begin() + 4 + length)};
        input = input.subspan(4 + length);
    }
    return files;
}

fs::path diskPath(std::string_view stickPath, bool lowerCase)
{
    std::string path(stickPath);
    for (char& c : path) {
        if (c == '\\')
            c = '/';
        else if (lowerCase && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return fs::path(path);
}

void layOut(const fs::path& root, const std::map<std::size_t, StickFileBytes>& files)
{
    std::error_code ignored;
    fs::remove_all(root, ignored);
    fs::create_directories(root);
    for (const auto& [number, file] : files) {
        const std::string_view stickPath = kStickFiles[number];
        const fs::path path = root / diskPath(stickPath, file.flags & kLowerCase);
        fs::create_directories(path.parent_path(), ignored);
        const std::vector<std::uint8_t> bytes =
            (file.flags & kCompressed) ? gzipMember(plainGzipHeader("FILE"), file.bytes).value() : file.bytes;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
}

void runCommand(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int status = cli::runCli(args, out, err);
    requireFuzz(status == 0 || status == 1 || status == 2, "a command ended with an unexpected status");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchStick scratch;
    const fs::path root = fs::path(scratch.rootPath()) / "stick";
    layOut(root, parseStick(std::span(data, size)));
    const fs::path before = fs::current_path();
    const std::string stick = root.string();
    for (const char* command : {"detect", "skills", "volume", "colors", "faces"})
        runCommand({command, stick});
    runCommand({"report", "all", stick});
    fs::current_path(before);
    return 0;
}
