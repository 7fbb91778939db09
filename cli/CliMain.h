// morvane-cli as a function of its arguments and output streams.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace morvane::cli {

// Runs morvane-cli with the `given` arguments (without the program name); answers the
// exit status. `errIsTerminal`: `err` is a terminal, where long commands show progress.
int runCli(std::span<const std::string> given, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false);

}  // namespace morvane::cli
