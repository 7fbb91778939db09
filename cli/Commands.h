// The commands of morvane-cli. Each gets the arguments after its name, already checked
// for --help and --version.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace morvane::cli {

struct CommandContext {
    std::span<const std::string> args;
    std::ostream& out;
    std::ostream& err;
};

int runDetect(const CommandContext& context);
int runReport(const CommandContext& context);
// The lines of report --help that name the entries, from the report tree's own table.
std::string reportEntriesHelp();
int runScan(const CommandContext& context);
int runSkills(const CommandContext& context);
int runVolume(const CommandContext& context);
int runColors(const CommandContext& context);
int runFaces(const CommandContext& context);

}  // namespace morvane::cli
