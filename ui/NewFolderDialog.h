// The seam for choosing a folder to be made: the system's save dialog in the window
// programs, opening in the user's Documents with a name proposed, where the name typed
// is the new folder's; a scripted fake in the tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

struct NewFolderRequest {
    std::string_view title;
    std::string_view suggestedName;  // a name alone, proposed in the user's Documents
};

class NewFolderDialog {
public:
    virtual ~NewFolderDialog() = default;
    // Runs the dialog modally; the full path (UTF-8) of the folder to make, or none when
    // the user cancelled. The folder is not made here.
    virtual std::optional<std::string> chooseNewFolder(const NewFolderRequest& request) = 0;
};

}  // namespace morvane
