// Finding the key pads at start-up. A pads file is taken whole or not at all: it must be
// a readable file of exactly 1452 bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/KeyPadsInUse.h"
#include "ui/UserMessages.h"

namespace morvane {

// The places a pads file is looked for, in order.
struct KeyPadPlaces {
    std::optional<std::string> namedFile;  // by a command-line option, else by MORVANE_KEY_PADS
    std::vector<std::string> usualFiles;   // key_pads.bin beside the program, then in the user's
                                           // configuration folder
};

// The places of this process: `option` (the command line's file, if any) or else the
// environment variable MORVANE_KEY_PADS, then the usual files.
KeyPadPlaces keyPadPlaces(std::optional<std::string> option);

struct KeyPadFileRead {
    std::optional<KeyPadBytes> pads;
    std::string problem;   // without pads: why, naming the file and the size wanted
    bool missing = false;  // without pads: the file does not exist
};

KeyPadFileRead readKeyPadFile(const std::string& path);

// The pads of the first place that holds a file: a named file must be usable, and one
// that is not is shown through `messages` and gives none. A usual file that is there but
// unusable is shown and passed over. Without any file, the pads built in.
std::optional<KeyPadSet> findKeyPads(const KeyPadPlaces& places, UserMessages& messages);

// The pads of a window program's run, which has no option naming a file: as findKeyPads
// finds them from keyPadPlaces(std::nullopt), with the pads built in when the file named
// by MORVANE_KEY_PADS is unusable (after its message). The program goes on either way.
KeyPadSet windowProgramKeyPads(UserMessages& messages);

// One line naming `pads`: the file's path, or the pads built in (with a warning when
// they are the repository's placeholders).
std::string keyPadsLine(const KeyPadSet& pads);

}  // namespace morvane
