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

}  // namespace morvane::test
