// The progress of a check, a backup or a restore shown in the progress window, whose
// Cancel stops the work at the next file.
#pragma once

#include "app/StickBackup.h"
#include "app/StickCheck.h"
#include "app/StickRestore.h"
#include "ui/ProgressWindow.h"

namespace morvane {

class WindowProgress : public BackupProgress, public CheckProgress, public RestoreProgress {
public:
    explicit WindowProgress(ProgressWindow& window) : window_(window) {}
    bool copying(std::string_view path, std::size_t index, std::size_t count) override
    {
        return step(path, index, count);
    }
    bool reading(std::string_view path, std::size_t index, std::size_t count) override
    {
        return step(path, index, count);
    }
    bool restoring(std::string_view path, std::size_t index, std::size_t count) override
    {
        return step(path, index, count);
    }
    // Whether Cancel was pressed.
    bool cancelled() const { return cancelled_; }

private:
    bool step(std::string_view path, std::size_t index, std::size_t count)
    {
        cancelled_ = cancelled_ || !window_.advance(path, index, count);
        return !cancelled_;
    }

    ProgressWindow& window_;
    bool cancelled_ = false;
};

}  // namespace morvane
