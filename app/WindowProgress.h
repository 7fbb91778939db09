// The progress of a check, a backup or a restore shown in the progress window, whose
// Cancel stops the work at the next file, or within a large one.
#pragma once

#include "app/FileProgress.h"
#include "ui/ProgressWindow.h"

namespace morvane {

class WindowProgress final : public FileProgress {
public:
    explicit WindowProgress(ProgressWindow& window) : window_(window) {}

private:
    bool step(std::string_view path, std::size_t index, std::size_t count) override
    {
        return window_.advance(path, index, count);
    }

    ProgressWindow& window_;
};

}  // namespace morvane
