// The commands of morvane-cli. Each gets the arguments after its name, already checked
// for --help and --version.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "stick/MountPoints.h"

namespace morvane::cli {

struct CommandContext {
    std::span<const std::string> args;
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;  // standard error is a terminal: long commands show progress
};

int runDetect(const CommandContext& context);
int runReport(const CommandContext& context);
// The lines of report --help that name the entries, from the report tree's own table.
std::string reportEntriesHelp();
int runScan(const CommandContext& context);
int runBackup(const CommandContext& context);
int runCheck(const CommandContext& context);
int runRestore(const CommandContext& context);
// Prints the roots of `search` that hold a stick, one per line; when there are none, says
// on `err` where it searched. The exit status.
int printStickRoots(const MediaSearch& search, std::ostream& out, std::ostream& err);
int runSkills(const CommandContext& context);
int runVolume(const CommandContext& context);
int runColors(const CommandContext& context);
int runFaces(const CommandContext& context);
int runDiary(const CommandContext& context);
int runPhotos(const CommandContext& context);
int runVoices(const CommandContext& context);

}  // namespace morvane::cli
