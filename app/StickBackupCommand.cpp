#include "app/StickBackupCommand.h"

#include <ctime>

#include "app/BackupDestination.h"
#include "app/Sentence.h"
#include "app/StickBackup.h"
#include "app/WindowProgress.h"
#include "base/Utf8Path.h"

namespace morvane {
namespace {

std::tm localTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

void showBackup(const BackupResult& result, const std::string& destination, MainWindowContext& window)
{
    window.list.clear();
    for (const std::string& path : result.unreadable)
        window.list.addLine("unreadable: " + path);
    window.list.addLine(backupSummary(result, destination));
    if (!result.unreadable.empty())
        window.services.messages.showMessage(std::to_string(result.unreadable.size()) +
                                             " files could not be read and are not in the backup; "
                                             "the list names them");
}

}  // namespace

void backUpOpenStick(MainWindowContext& window)
{
    const StickRoot& stick = window.services.stick;
    const std::optional<std::string> chosen = window.services.saveDialog.chooseSaveLocation(
        {"Back Up Stick", suggestedBackupName(stick.rootPath, localTimeNow()), true});
    if (!chosen)
        return;
    const std::filesystem::path destination = utf8Path(*chosen);
    if (const std::optional<std::string> why =
            unsuitableBackupDestination(utf8Path(stick.rootPath), destination)) {
        window.services.messages.showMessage(sentence(*why));
        return;
    }
    window.services.progress.open("Back Up Stick");
    WindowProgress progress(window.services.progress);
    const BackupResult result =
        backUpStick(utf8Path(stick.rootPath), destination, backupStickLines(stick, std::nullopt), progress);
    window.services.progress.close();
    if (const std::optional<std::string> failure = backupFailure(result, *chosen)) {
        window.services.messages.showMessage(sentence(*failure));
        return;
    }
    showBackup(result, *chosen, window);
}

}  // namespace morvane
