// Progress of a long command on a terminal, and Ctrl+C as its Cancel.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/FileProgress.h"
#include "stick/ReadProgress.h"

namespace morvane::cli {

// While it lives, Ctrl+C (SIGINT) does not end the program: it asks the command to stop
// at the next file or within a large one, so that a backup can remove what it wrote. On a
// terminal, one line on standard error shows the file at hand and how far the command is;
// it is wiped at the end.
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

// Runs `read`, a reading of the stick, with its progress shown as TerminalProgress shows
// it, "DOING i/n: PATH"; false, after saying so on `err`, when Ctrl+C stopped it.
bool readShowingProgress(std::ostream& err, bool onTerminal, std::string_view doing,
                         const std::function<void(ReadProgress&)>& read);

}  // namespace morvane::cli
