// morvane-cli's dispatcher: program-level --help and --version, the command table,
// and each command's own --help and --version.
#include "cli/CliMain.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "MorvaneVersion.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"

namespace morvane::cli {
namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view help;
    int (*run)(const CommandContext&);
};

constexpr std::array<Command, 3> kCommands{{
    {"detect", "morvane-cli detect STICK",
     "Opens the stick and prints the detected software and the language code\n"
     "(-1 when the stick gives none).\n",
     runDetect},
    {"report", "morvane-cli report ENTRY STICK [--crlf]",
     "Prints one report of the stick, line by line, exactly as the window's information\n"
     "list shows it. ENTRY is one of, in the window's tree order:\n"
     "  summary, name-owner, lan-settings, advanced, global-variables, flash-variables,\n"
     "  r-variables, diary-variables, versions\n"
     "or 'all' for every entry, each introduced by a line '== TITLE ==' and followed by an\n"
     "empty line. --crlf ends every line with CR LF, as the clipboard copy does.\n"
     "Exit status 1 when the report was not produced (its file is missing, or it failed).\n",
     runReport},
    {"scan", "morvane-cli scan",
     "Prints every stick root (a folder holding MEMSTICK.IND) among the places where\n"
     "removable media are mounted. Exit status 1 when none is found.\n",
     runScan},
}};

constexpr std::string_view kProgramHelp =
    "Morvane shows what an ERS-7 robot's memory stick holds.\n"
    "\n"
    "STICK is the stick's root folder (the one holding MEMSTICK.IND and OPEN-R), on the\n"
    "stick itself or on a copy of it.\n"
    "\n"
    "Options: --help, --version (also after any command).\n"
    "Exit status: 0 done, 1 not produced, 2 stick refused or not a folder, 64 usage error.\n";

void printProgramHelp(std::ostream& out)
{
    out << "Usage:\n";
    for (const Command& command : kCommands)
        out << "  " << command.usage << '\n';
    out << '\n' << kProgramHelp;
}

void printVersion(std::ostream& out) { out << "morvane-cli " << MORVANE_VERSION_TEXT << '\n'; }

bool contains(std::span<const std::string> args, std::string_view wanted)
{
    return std::find(args.begin(), args.end(), wanted) != args.end();
}

}  // namespace

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return reportUsageError(err, "missing command");
    const std::string& name = args[0];
    if (name == "--help") {
        printProgramHelp(out);
        return kExitOk;
    }
    if (name == "--version") {
        printVersion(out);
        return kExitOk;
    }
    auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                [&](const Command& entry) { return entry.name == name; });
    if (command == kCommands.end())
        return reportUsageError(err, "unknown command '" + name + "'");
    const std::span<const std::string> rest = args.subspan(1);
    if (contains(rest, "--help")) {
        out << "Usage: " << command->usage << "\n\n" << command->help;
        return kExitOk;
    }
    if (contains(rest, "--version")) {
        printVersion(out);
        return kExitOk;
    }
    return command->run(CommandContext{rest, out, err});
}

}  // namespace morvane::cli
