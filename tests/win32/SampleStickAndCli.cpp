#include "tests/win32/SampleStickAndCli.h"

#include <vector>

#include "base/Utf8Path.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

// Written before any test changes the current drive: the path is absolute.
const std::filesystem::path& sampleStick()
{
    static const TempStick stick;
    static const bool written = !stickgen::writeSampleStick(stick.dir());
    static const std::filesystem::path path = written ? std::filesystem::absolute(stick.dir()) : "";
    return path;
}

std::string cliReport(std::string_view name, const std::filesystem::path& stick, bool crlf)
{
    std::vector<std::string> args{"report", std::string(name), utf8Text(stick)};
    if (crlf)
        args.push_back("--crlf");
    return runCli(args).out;
}

}  // namespace morvane::test
