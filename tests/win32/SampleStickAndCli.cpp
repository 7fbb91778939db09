#include "tests/win32/SampleStickAndCli.h"

#include <sstream>
#include <vector>

#include "base/Utf8Path.h"
#include "cli/CliMain.h"
#include "tests/support/CurrentDirectoryGuard.h"
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
    CurrentDirectoryGuard guard;
    std::vector<std::string> args{"report", std::string(name), utf8Text(stick)};
    if (crlf)
        args.push_back("--crlf");
    std::ostringstream out, err;
    cli::runCli(args, out, err);
    return out.str();
}

}  // namespace morvane::test
