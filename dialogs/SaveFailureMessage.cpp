// A folder that refuses new files while the file itself could be replaced (a copy on a
// Linux disk, a network share) is not a write-protected stick: the owner is told which
// folder refused, and that the file is as it was.
#include "dialogs/SaveFailureMessage.h"

#include <string>

#include "base/TextFormat.h"
#include "base/Utf8Path.h"
#include "stick/FolderContainment.h"

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

bool copyTargetInsideStick(std::string_view target, const StickRoot& stick, UserMessages& messages)
{
    if (!liesWithin(utf8Path(target), utf8Path(stick.rootPath)))
        return false;
    messages.showMessage("Cannot write " + std::string(target) +
                         ": it lies inside the stick; nothing was written");
    return true;
}

}  // namespace morvane
