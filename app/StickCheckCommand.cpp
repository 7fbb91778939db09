#include "app/StickCheckCommand.h"

#include "app/Sentence.h"
#include "app/StickCheck.h"
#include "app/WindowProgress.h"
#include "base/Utf8Path.h"

namespace morvane {

void checkOpenStick(MainWindowContext& window)
{
    const std::filesystem::path stick = utf8Path(window.services.stick.rootPath);
    const ManifestChoice choice = manifestToCompare(std::nullopt, stick);
    if (!choice.problem.empty()) {
        window.services.messages.showMessage(sentence(choice.problem));
        return;
    }
    window.services.progress.open("Check Stick");
    WindowProgress progress(window.services.progress);
    const CheckResult result = checkStick(stick, choice.manifest, progress);
    window.services.progress.close();
    if (result.outcome != CheckResult::Outcome::Done) {
        window.services.messages.showMessage(sentence(checkFailure(result.outcome)));
        return;
    }
    window.list.clear();
    for (const std::string& line : checkReportLines(result))
        window.list.addLine(line);
}

}  // namespace morvane
