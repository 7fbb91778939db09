// The seam for choosing where to write: the system's save dialog in the window programs,
// opening in the user's Documents with a name proposed; a scripted fake in the tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

struct SaveRequest {
    std::string_view title;
    std::string_view suggestedName;  // a name alone, proposed in the user's Documents
    // The name typed is a folder to be made (nothing is asked about a name that exists), or
    // else a file, and replacing one that exists is asked about.
    bool newFolder = false;
};

class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // Runs the dialog modally; the full path (UTF-8) chosen, or none when the user
    // cancelled. Nothing is written here.
    virtual std::optional<std::string> chooseSaveLocation(const SaveRequest& request) = 0;
};

}  // namespace morvane
