// A folder that refuses new files while the file itself could be replaced (a copy on a
// Linux disk, a network share) is not a write-protected stick: the owner is told which
// folder refused, and that the file is as it was.
#include "dialogs/SaveFailureMessage.h"

#include "base/TextFormat.h"

namespace morvane {

void showSaveFailure(UserMessages& messages, SaveOutcome outcome, std::string_view path,
                     std::string_view failedMessage)
{
    if (outcome != SaveOutcome::TemporaryFileRefused) {
        messages.showMessage(failedMessage);
        return;
    }
    messages.showMessage(formatText("Cannot create a temporary file in %s; the file was not changed",
                                    temporaryFolderFor(path).c_str()));
}

}  // namespace morvane
