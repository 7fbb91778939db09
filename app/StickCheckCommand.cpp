#include "app/StickCheckCommand.h"

#include <cctype>

#include "app/StickCheck.h"
#include "base/Utf8Path.h"

namespace morvane {
namespace {

// The check's progress in the window; Cancel there stops it at the next file.
class WindowProgress : public CheckProgress {
public:
    explicit WindowProgress(ProgressWindow& window) : window_(window) {}
    bool reading(std::string_view path, std::size_t index, std::size_t count) override
    {
        return window_.advance(path, index, count);
    }

private:
    ProgressWindow& window_;
};

// A message box's sentence of morvane-cli's clause.
std::string sentence(std::string clause)
{
    if (!clause.empty())
        clause[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(clause[0])));
    return clause;
}

}  // namespace

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
