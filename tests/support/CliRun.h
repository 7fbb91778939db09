// morvane-cli run as a function, in this process, as the portable tests run it.
#pragma once

#include <string>
#include <vector>

namespace morvane::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs morvane-cli with `args`; the current directory is as it was afterwards.
CliRun runCli(std::vector<std::string> args);

// The lines of `output`, each without its line feed, as a window's list shows them.
std::vector<std::string> outputLines(const std::string& output);

}  // namespace morvane::test
