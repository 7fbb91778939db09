// The exit statuses of morvane-cli, one place for all commands.
#pragma once

namespace morvane::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitNotProduced = 1,   // the report, editor or viewer could not do its work
    kExitStickError = 2,    // the stick was refused or its directory cannot be entered
    kExitKeyPadsError = 2,  // the key pads file named by --key-pads or MORVANE_KEY_PADS is unusable
    kExitUsage = 64,        // a usage error
};

}  // namespace morvane::cli
