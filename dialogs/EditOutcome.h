// How an editor's run ended, for callers that act on it (morvane-cli's exit status).
#pragma once

namespace morvane {

enum class EditOutcome {
    NotOpened,   // the file could not be read; its message was shown and no dialog opened
    Cancelled,   // the dialog was left without "Save"; nothing was written
    SaveFailed,  // the failure message was shown; the stick holds the old file
    Saved,
};

}  // namespace morvane
