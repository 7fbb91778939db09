// Backing up a stick: every folder and file under its root, byte for byte, into a new
// folder, with a manifest of SHA-256 digests written last.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stick/FileOperations.h"
#include "stick/StickRoot.h"
#include "stick/StickTree.h"
#include "stick/TreeReading.h"

namespace morvane {

// The two files a backup holds besides the stick's: the manifest, in sha256sum's format,
// whose presence says the backup is complete, and the notes on it.
inline constexpr char kBackupManifestName[] = "MORVANE-BACKUP.sha256";
inline constexpr char kBackupNotesName[] = "MORVANE-BACKUP.txt";

// The tree's files less a backup's own two, which a backup writes anew, a check does not
// count and a restore does not keep: a backup folder is a stick folder too.
std::vector<std::string> stickFilesOf(const StickTree& tree);

// Told before each file is copied, and again within a large one; answers false to cancel
// the backup.
class BackupProgress {
public:
    virtual ~BackupProgress() = default;
    virtual bool copying(std::string_view path, std::size_t index, std::size_t count) = 0;
};

struct BackupResult {
    enum class Outcome {
        Done,
        Cancelled,          // by the progress; everything written was removed
        StickUnreadable,    // the stick's root could not be listed
        DestinationFailed,  // `failedPath` could not be written; everything written was removed
    };
    Outcome outcome = Outcome::Done;
    std::size_t files = 0;    // copied whole
    std::uint64_t bytes = 0;  // in those files
    // Left out, in path order: files that cannot be read whole or whose names a manifest
    // cannot hold, folders that cannot be listed, links and devices.
    std::vector<std::string> unreadable;
    std::string failedPath;
};

// The notes' lines on the stick at `stick.rootPath`, detected already: its folder, its
// software (or the detection's `refusal`), language code and hardware id.
std::vector<std::string> backupStickLines(const StickRoot& stick, const std::optional<std::string>& refusal);

// What went wrong, as a clause for a message: the backup that was not done, or none when
// it was done. The destination is named as `destination` says.
std::optional<std::string> backupFailure(const BackupResult& result, std::string_view destination);

// "N files, B bytes backed up to DEST", the line that ends a backup that was done.
std::string backupSummary(const BackupResult& result, std::string_view destination);

// Copies the tree under `stick` into `destination` (a folder that does not exist or is
// empty), keeping each file's modification time. What cannot be copied and vouched for is
// left out and listed (`unreadable`). Then the notes, `aboutStick` lines followed by what was
// left out, and last, atomically, the manifest.
BackupResult backUpStick(const std::filesystem::path& stick, const std::filesystem::path& destination,
                         const std::vector<std::string>& aboutStick, BackupProgress& progress,
                         TreeReading& reading = systemTreeReading(),
                         FileOperations& files = systemFileOperations());

}  // namespace morvane
