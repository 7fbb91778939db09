// Restoring a stick from a backup: what differs from the backup's manifest is written
// back, each file atomically; files only on the stick are kept.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/BackupManifest.h"
#include "app/StickCheck.h"
#include "stick/FileOperations.h"
#include "stick/StickRoot.h"
#include "stick/TreeReading.h"

namespace morvane {

// Why the backup at `backup` may not be restored, or none: it has no manifest, or one that
// lists no file or not a file the backup holds (it is incomplete), its manifest is
// damaged, a file of it is changed, missing or unreadable, or `progress`, told of each file
// read, cancelled. A good manifest goes to `manifest`.
std::optional<std::string> damagedBackup(const std::filesystem::path& backup,
                                         std::vector<ManifestEntry>& manifest, ReadProgress& progress,
                                         TreeReading& reading = systemTreeReading());

// Why the backup is not this stick's, naming both, or none: it comes from another robot
// (hardware id, where both are known) or holds other software than the stick, or software
// that the detection does not know.
std::optional<std::string> otherRobotOrSoftware(const StickRoot& backup, const StickRoot& stick);

struct RestoreStep {
    enum class Kind { Restore, Keep };
    Kind kind;
    std::string path;  // the backup's spelling to restore, the stick's to keep
    // The stick's spelling of the file a restore writes over; empty when the stick lacks it.
    std::string onStick;
};

// What a restore does, in path order: each file of the manifest that is missing on the stick
// in the current directory, or differs there, and each file only on the stick. `progress`
// is told of each stick file read; none when it cancelled.
std::optional<std::vector<RestoreStep>> planRestore(const std::vector<ManifestEntry>& manifest,
                                                    ReadProgress& progress,
                                                    TreeReading& reading = systemTreeReading());

// Told before each file is written, and again within a large one; answers false to stop.
class RestoreProgress {
public:
    virtual ~RestoreProgress() = default;
    virtual bool restoring(std::string_view path, std::size_t index, std::size_t count) = 0;
};

// Writes the file `step.path` of the backup onto the stick in the current directory,
// atomically, checked against its `digest` on the way; the folders it needs are made. False
// when it could not be written: the stick's file is then as it was. A file the stick lacked
// is not written where something stands all the same (a file in other letter case, on a
// disk that ignores it, which another step restores), nor through a folder that is a link.
// `goOn` is asked within a large file; when it answers false the file is not written. The
// folders made for a file that is not written are removed again.
bool restoreFile(const std::filesystem::path& backup, const RestoreStep& step, const std::string& digest,
                 TreeReading& reading = systemTreeReading(), FileOperations& files = systemFileOperations(),
                 const std::function<bool()>& goOn = {});

struct RestoreResult {
    // One line per step, "restored: PATH" ("would restore: PATH" in a dry run) or
    // "kept: PATH", then "K files restored" ("K files would be restored").
    std::vector<std::string> lines;
    std::vector<std::string> unwritten;  // the files that could not be written
    bool cancelled = false;              // by the progress; a file it stopped in is as it was
};

// Carries out `plan` from `backup` onto the stick in the current directory, each file
// checked against `manifest`; a dry run writes nothing.
RestoreResult restoreStick(const std::vector<RestoreStep>& plan, const std::filesystem::path& backup,
                           const std::vector<ManifestEntry>& manifest, bool dryRun,
                           RestoreProgress& progress);

}  // namespace morvane
