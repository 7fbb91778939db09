// morvane-cli's dispatcher: the key pads, program-level --help and --version, the
// command table, and each command's own --help and --version.
#include "cli/CliMain.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "MorvaneVersion.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/KeyPadsOption.h"
#include "cli/StreamMessages.h"
#include "reports/KeyPadSource.h"

namespace morvane::cli {
namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view help;
    int (*run)(const CommandContext&);
    std::string (*moreHelp)() = nullptr;  // help built from the program's own tables
};

constexpr std::array<Command, 13> kCommands{{
    {"detect", "morvane-cli detect STICK",
     "Opens the stick and prints the detected software and the language code\n"
     "(-1 when the stick gives none).\n",
     runDetect},
    {"report", "morvane-cli report ENTRY STICK [--crlf]",
     "Prints one report of the stick, line by line, exactly as the window's information\n"
     "list holds it. ENTRY is one of the entries below, or 'all' for every entry, each\n"
     "introduced by a line '== TITLE ==' and followed by an empty line. --crlf ends every\n"
     "line with CR LF, as the clipboard copy does.\n"
     "Exit status 1 when the report was not produced (its file is missing, or it failed).\n",
     runReport, reportEntriesHelp},
    {"scan", "morvane-cli scan",
     "Prints every stick root (a folder holding MEMSTICK.IND) among the places where\n"
     "removable media are mounted. When none is found it says on standard error where it\n"
     "searched, and the exit status is 1.\n",
     runScan},
    {"backup", "morvane-cli backup STICK DEST",
     "Copies every file and folder of the stick, byte for byte, into the new folder DEST\n"
     "(one that does not exist, or an empty one, outside the stick), keeping each file's\n"
     "modification time, then writes MORVANE-BACKUP.txt and, last, the manifest\n"
     "MORVANE-BACKUP.sha256, in sha256sum's format. A backup without the manifest is\n"
     "incomplete. A file that cannot be read, a folder that cannot be listed and a link\n"
     "(never followed) are left out and named on standard error as 'unreadable: PATH',\n"
     "and the exit status is 1. DEST can be opened as a stick.\n",
     runBackup},
    {"check", "morvane-cli check STICK [--against BACKUP]",
     "Reads every byte of every file of the stick and prints one line per problem, by\n"
     "path: 'unreadable: PATH', and what the stick's formats do not allow as\n"
     "'bad: PATH (REASON)'. Against a backup (--against BACKUP, or the stick's own\n"
     "MORVANE-BACKUP.sha256 when it is a backup) also 'changed', 'missing' and 'extra'\n"
     "files, letter case aside. The last line counts files and problems; exit status 1\n"
     "when there are problems.\n",
     runCheck},
    {"restore", "morvane-cli restore BACKUP STICK [--dry-run] [--force]",
     "Writes back onto the stick every file of the backup that is missing there or differs,\n"
     "each atomically, and names it as 'restored: PATH'; files only on the stick are kept\n"
     "('kept: PATH'). First the backup is checked against its manifest: an incomplete or\n"
     "damaged backup is refused, and so is one of another robot or other software than the\n"
     "stick holds, unless --force is given. --dry-run says what would be restored and\n"
     "writes nothing. Exit status 1 when any file could not be written; running the command\n"
     "again completes the rest.\n",
     runRestore},
    {"skills",
     "morvane-cli skills STICK [--preset newborn|baby|adult] [--maturity N] [--walk N] [--ball N] [--bone N]",
     "The skill levels editor. Without options it prints the four slider positions\n"
     "(maturity, walk, ball, bone; 0 to 10000). With options the sliders start at the stored\n"
     "values, the preset is pressed first, then each given value is set, then \"Save\":\n"
     "FVAR is rewritten and the confirmation lines of the window's list are printed. The\n"
     "editor's warnings and failures go to standard error; exit status 1 on a failure.\n",
     runSkills},
    {"volume",
     "morvane-cli volume STICK [--preset default|loud|quiet] [--volume0 P] [--volume1 P] [--volume2 P] "
     "[--volume3 P]",
     "The volume presets editor. Without options it prints the four slider positions\n"
     "(0 to 63). With options it presses the preset, sets the given positions and saves\n"
     "VOLUME.CFG, printing nothing. Failures go to standard error with exit status 1.\n",
     runVolume},
    {"colors", "morvane-cli colors STICK [--png FILE]",
     "The colour preferences viewer. Prints one line per colour k (0 to 7) and row j\n"
     "(0 to 2): k, j and the 32 cell colours as RRGGBB, darkest slice first. --png FILE\n"
     "also writes the dialog's eight painted areas where the dialog lays them out (an\n"
     "8-point \"MS Sans Serif\" dialog at 96 dpi; labels and button left out).\n",
     runColors},
    {"faces", "morvane-cli faces STICK [--png DIR]",
     "The human faces viewer. Prints one line per stored face, in file order: its record\n"
     "index and name. --png DIR also writes each face's 135 x 80 picture, as the viewer\n"
     "draws it, to DIR/face-INDEX.png.\n",
     runFaces},
    {"diary", "morvane-cli diary STICK [--csv] [--png FILE]",
     "The robot's diary (AiboMind 3): the days its index OPEN-R/APP/PC/DIARY/AIFILES.XML\n"
     "lists, as a table, the newest first. --csv prints them as RFC 4180 CSV instead, the\n"
     "oldest first: date, time, file, state (ok, missing or unreadable), then one column\n"
     "per element holding a number, by its path (SKILL/BALL). --png FILE writes the growth\n"
     "chart of the Diary window. Days that cannot be read are named on standard error.\n"
     "Exit status 1 when the stick has no diary.\n",
     runDiary},
    {"photos", "morvane-cli photos STICK [--out DIR]",
     "The robot's photo album: one line per photo its index OPEN-R/APP/PC/DIARY/IMGFILES.XML\n"
     "lists, in the index's order, 'CATEGORY YYYY-MM-DD HH:MM:SS FILE', with ' (missing)' when\n"
     "the photo is not in OPEN-R/APP/PC/PHOTO; then the photos of that folder the index does\n"
     "not list, as UNLISTED, dated by the capture time in the photo. --out DIR copies every\n"
     "photo present, byte for byte, to DIR/YYYY-MM-DD_HHMMSS_FILE, its modification time\n"
     "the capture time. Exit status 1 when the stick has no photos.\n",
     runPhotos},
    {"voices", "morvane-cli voices STICK [--out DIR]",
     "The robot's voice recordings, OPEN-R/APP/PC/VOICE/*.WAV in name order: 'FILE SECONDS\n"
     "recorded', or 'FILE SECONDS empty' for a slot that holds silence alone. A file that is\n"
     "no 8 kHz 8-bit mono recording is named on standard error. --out DIR copies the\n"
     "recorded ones, byte for byte, to DIR. Exit status 1 when the stick has no voice folder.\n",
     runVoices},
}};

constexpr std::string_view kProgramHelp =
    "Morvane shows what an ERS-7 robot's memory stick holds.\n"
    "\n"
    "STICK is the stick's root folder (the one holding MEMSTICK.IND and OPEN-R), on the\n"
    "stick itself or on a copy of it.\n"
    "\n"
    "Options: --help, --version (also after any command), --key-pads FILE (before or\n"
    "after the command).\n"
    "\n"
    "GVAR, RVAR and DVAR are read with the robot's key pads, a file of exactly 1452 bytes,\n"
    "taken from the first of: --key-pads FILE; the environment variable MORVANE_KEY_PADS;\n"
    "key_pads.bin beside this program; key_pads.bin in the user's configuration folder\n"
    "($XDG_CONFIG_HOME/morvane or ~/.config/morvane; %APPDATA%\\Morvane on Windows). Without\n"
    "one, the pads built in. --version names the pads in use.\n"
    "\n"
    "Exit status: 0 done, 1 not produced, 2 stick refused or not a folder, or a key pads\n"
    "file named by --key-pads or MORVANE_KEY_PADS unusable, 64 usage error.\n";

void printProgramHelp(std::ostream& out)
{
    out << "Usage:\n";
    for (const Command& command : kCommands)
        out << "  " << command.usage << '\n';
    out << '\n' << kProgramHelp;
}

bool contains(std::span<const std::string> args, std::string_view wanted)
{
    return std::find(args.begin(), args.end(), wanted) != args.end();
}

}  // namespace

int runCli(std::span<const std::string> given, std::ostream& out, std::ostream& err, bool errIsTerminal)
{
    std::vector<std::string> args(given.begin(), given.end());
    std::optional<std::string> padsFile;
    std::string error;
    if (!takeKeyPadsOption(args, padsFile, error))
        return reportUsageError(err, error);
    if (args.empty())
        return reportUsageError(err, "missing command");
    const std::string& name = args[0];
    if (name == "--help") {
        printProgramHelp(out);
        return kExitOk;
    }
    auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                [&](const Command& entry) { return entry.name == name; });
    if (command == kCommands.end() && name != "--version")
        return reportUsageError(err, "unknown command '" + name + "'");
    const std::span<const std::string> rest = std::span<const std::string>(args).subspan(1);
    if (command != kCommands.end() && contains(rest, "--help")) {
        out << "Usage: " << command->usage << "\n\n" << command->help;
        if (command->moreHelp)
            out << command->moreHelp();
        return kExitOk;
    }
    // Help needs no pads; everything else has them chosen before anything is read. The
    // version is told even when the pads named cannot be used, which it cannot name.
    const bool version = name == "--version" || contains(rest, "--version");
    if (version)
        out << "morvane-cli " << MORVANE_VERSION_TEXT << '\n';
    StreamMessages messages(err);
    std::optional<KeyPadSet> pads = findKeyPads(keyPadPlaces(padsFile), messages);
    if (!pads)
        return kExitKeyPadsError;
    const UsingKeyPads inUse(std::move(*pads));
    if (version) {
        out << keyPadsLine(keyPadsInUse()) << '\n';
        return kExitOk;
    }
    return command->run(CommandContext{rest, out, err, errIsTerminal});
}

}  // namespace morvane::cli
