#include "tests/support/CliRun.h"

#include <sstream>

#include "cli/CliMain.h"
#include "tests/support/CurrentDirectoryGuard.h"

namespace morvane::test {

CliRun runCli(std::vector<std::string> args)
{
    CurrentDirectoryGuard guard;
    std::ostringstream out, err;
    const int status = cli::runCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> outputLines(const std::string& output)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < output.size();) {
        const std::size_t end = output.find('\n', start);
        lines.push_back(output.substr(start, end - start));
        start = end == std::string::npos ? output.size() : end + 1;
    }
    return lines;
}

}  // namespace morvane::test
