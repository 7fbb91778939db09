#include "app/StickRestoreCommand.h"

#include <algorithm>

#include "app/StickBackup.h"
#include "app/StickOpening.h"
#include "app/StickRestore.h"
#include "app/WindowProgress.h"
#include "base/Utf8Path.h"
#include "stick/Detection.h"

namespace morvane {
namespace {

constexpr std::string_view kTitle = "Restore from Backup";

constexpr FileOpenRequest kBackupRequest{
    "Restore from Backup: open the backup's MORVANE-BACKUP.sha256",
    kBackupManifestName,
    "sha256",
    "Morvane backups (MORVANE-BACKUP.sha256)",
    kBackupManifestName,
    true,
};

// A dry run is not watched: it only names the files.
class DryRun : public RestoreProgress {
public:
    bool restoring(std::string_view, std::size_t, std::size_t) override { return true; }
};

struct CheckedBackup {
    std::vector<ManifestEntry> manifest;
    std::vector<RestoreStep> plan;
};

// The backup checked whole and compared with the stick under the progress window; none,
// after a message, when it is damaged or the owner cancelled.
std::optional<CheckedBackup> checkBackup(const std::filesystem::path& backup, MainWindowContext& window)
{
    CheckedBackup checked;
    window.services.progress.open(kTitle);
    WindowProgress progress(window.services.progress);
    const std::optional<std::string> damage = damagedBackup(backup, checked.manifest, progress);
    std::optional<std::vector<RestoreStep>> plan;
    if (!damage)
        plan = planRestore(checked.manifest, progress);
    window.services.progress.close();
    if (damage || !plan) {
        window.services.messages.showMessage(damage.value_or("The restore was cancelled") +
                                             "; nothing was written");
        return std::nullopt;
    }
    checked.plan = std::move(*plan);
    return checked;
}

// The dry run in the list and the owner's consent: once for the files, and again, naming
// both, for a backup of another robot or other software.
bool ownerAgrees(const std::filesystem::path& backup, const CheckedBackup& checked, MainWindowContext& window)
{
    DryRun dryRun;
    const RestoreResult planned = restoreStick(checked.plan, backup, checked.manifest, true, dryRun);
    window.list.clear();
    for (const std::string& line : planned.lines)
        window.list.addLine(line);
    const auto count = std::count_if(checked.plan.begin(), checked.plan.end(), [](const RestoreStep& step) {
        return step.kind == RestoreStep::Kind::Restore;
    });
    if (count == 0) {
        window.services.messages.showMessage(
            "Nothing to restore: the stick holds every file of the backup as it is");
        return false;
    }
    if (!window.services.questions.askYesNo("Restore from " + utf8Text(backup) +
                                            " onto the stick? Files to restore: " + std::to_string(count) +
                                            ". The list names them; files only on the stick are kept."))
        return false;
    StickRoot fromBackup;
    fromBackup.rootPath = utf8Text(backup);
    detectSoftware(fromBackup);
    const std::optional<std::string> other = otherRobotOrSoftware(fromBackup, window.services.stick);
    return !other ||
           window.services.questions.askYesNo(*other + ". Restore it onto this stick all the same?");
}

// The restore's lines in the list, a message for what was not written, and the stick's
// software found again, as the restore may have changed the files that say it.
void showRestore(const RestoreResult& result, MainWindowContext& window)
{
    window.list.clear();
    for (const std::string& line : result.lines)
        window.list.addLine(line);
    std::string problems;
    for (const std::string& path : result.unwritten)
        problems += "Cannot write " + path + "; the stick's file is as it was\n";
    if (result.cancelled)
        problems += "The restore was cancelled\n";
    if (!problems.empty())
        window.services.messages.showMessage(problems + "Running the restore again completes it");
    StickRoot restored = window.services.stick;
    if (const std::optional<std::string> refusal = detectSoftware(restored))
        window.services.messages.showMessage(stickOpenError(*refusal));
    else
        window.services.stick = restored;
}

}  // namespace

void restoreOpenStick(MainWindowContext& window)
{
    const std::optional<std::string> chosen = window.services.fileDialog.chooseFile(kBackupRequest);
    if (!chosen)
        return;
    const std::filesystem::path backup = utf8Path(*chosen).parent_path();
    const std::optional<CheckedBackup> checked = checkBackup(backup, window);
    if (!checked || !ownerAgrees(backup, *checked, window))
        return;
    window.services.progress.open(kTitle);
    WindowProgress progress(window.services.progress);
    const RestoreResult result = restoreStick(checked->plan, backup, checked->manifest, false, progress);
    window.services.progress.close();
    showRestore(result, window);
}

}  // namespace morvane
