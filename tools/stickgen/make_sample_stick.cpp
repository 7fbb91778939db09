// make_sample_stick [--gzip] [--key-pads FILE] OUTDIR: writes the sample stick into OUTDIR.
// The folder argument is taken as the operating system gives it (wide on Windows), so any
// folder name works.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "base/Utf8Path.h"
#include "reports/KeyPadSource.h"
#include "tools/stickgen/SampleStick.h"

namespace {

constexpr std::string_view kUsage = "Usage: make_sample_stick [--gzip] [--key-pads FILE] OUTDIR\n";
constexpr std::string_view kHelp =
    "\n"
    "Writes a complete sample ERS-7 memory stick (AiboMind, English) into OUTDIR: every\n"
    "file that Morvane's reports, editors and viewers read, with plausible values. The\n"
    "content is the same on every run. OUTDIR is created if missing; files already there\n"
    "are overwritten, other files are left alone.\n"
    "\n"
    "  --gzip  store every file but MEMSTICK.IND gzip-compressed, as the robot stores its\n"
    "          settings; the stick then reads exactly as the plain one\n"
    "  --key-pads FILE  scramble GVAR, RVAR and DVAR with the key pads in FILE (1452\n"
    "          bytes) instead of those built into the program\n";

int run(std::vector<std::filesystem::path> args)
{
    using morvane::utf8Text;
    if (args.size() == 1 && args[0] == "--help") {
        std::cout << kUsage << kHelp;
        return EXIT_SUCCESS;
    }
    const bool compressed = !args.empty() && args[0] == "--gzip";
    if (compressed)
        args.erase(args.begin());
    morvane::KeyPadBytes pads = morvane::kBuiltInKeyPads;
    if (args.size() >= 2 && args[0] == "--key-pads") {
        const morvane::KeyPadFileRead read = morvane::readKeyPadFile(utf8Text(args[1]));
        if (!read.pads) {
            std::cerr << "make_sample_stick: " << read.problem << '\n';
            return EXIT_FAILURE;
        }
        pads = *read.pads;
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() != 1 || args[0].empty() || args[0].native().front() == '-') {
        std::cerr << "make_sample_stick: expected one output folder\n" << kUsage;
        return EXIT_FAILURE;
    }
    if (const auto error = morvane::stickgen::writeSampleStick(args[0], compressed, pads)) {
        std::cerr << "make_sample_stick: " << *error << '\n';
        return EXIT_FAILURE;
    }
    std::cout << "Sample stick written to " << utf8Text(args[0]) << '\n';
    return EXIT_SUCCESS;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return run({argv + 1, argv + argc}); }
#else
int main(int argc, char** argv) { return run({argv + 1, argv + argc}); }
#endif
