// Progress of a long command on a terminal, and Ctrl+C as its Cancel.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "app/FileProgress.h"

namespace morvane::cli {

// While it lives, Ctrl+C (SIGINT) does not end the program: it asks the command to stop
// at the next file, so that a backup can remove what it wrote. On a terminal, one line on
// standard error shows the file at hand and how far the command is; it is wiped at the end.
class TerminalProgress final : public FileProgress {
public:
    TerminalProgress(std::ostream& err, bool onTerminal, std::string_view doing);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // Whether Ctrl+C was pressed.
    static bool interrupted();

private:
    bool step(std::string_view path, std::size_t index, std::size_t count) override;

    std::ostream& err_;
    bool onTerminal_;
    std::string doing_;
    std::size_t shownWidth_ = 0;
    void (*previousHandler_)(int);
};

}  // namespace morvane::cli
