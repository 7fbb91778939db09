// The progress of a backup, a check or a restore, told of each file the same way: a window
// or a terminal that shows the file at hand implements `step` once for all three.
#pragma once

#include "app/StickBackup.h"
#include "app/StickCheck.h"
#include "app/StickRestore.h"

namespace morvane {

class FileProgress : public BackupProgress, public ReadProgress, public RestoreProgress {
public:
    bool copying(std::string_view path, std::size_t index, std::size_t count) final
    {
        return step(path, index, count);
    }
    bool reading(std::string_view path, std::size_t index, std::size_t count) final
    {
        return step(path, index, count);
    }
    bool restoring(std::string_view path, std::size_t index, std::size_t count) final
    {
        return step(path, index, count);
    }

protected:
    // Shows `path`, file `index` of `count`; false to stop the work before it.
    virtual bool step(std::string_view path, std::size_t index, std::size_t count) = 0;
};

}  // namespace morvane
