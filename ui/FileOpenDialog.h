// The seam for the system's file-open dialog: the common dialog in the window program,
// a scripted fake in the tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// What the dialog shows. The chosen directory and file must exist.
struct FileOpenRequest {
    std::string_view title;
    std::string_view initialName;
    std::string_view defaultExtension;  // without the dot
    std::string_view filterLabel;
    std::string_view filterPattern;  // e.g. "*.ind"
    // Where the dialog opens: the user's Documents, or else the current directory.
    bool startInDocuments = false;
};

class FileOpenDialog {
public:
    virtual ~FileOpenDialog() = default;
    // Runs the dialog modally; the full path (UTF-8) of the chosen file, or none when
    // the user cancelled.
    virtual std::optional<std::string> chooseFile(const FileOpenRequest& request) = 0;
};

}  // namespace morvane
