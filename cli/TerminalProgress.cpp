// The line is rewritten in place with a carriage return, cut to fit an 80-column
// terminal; nothing is written when standard error is a file or a pipe.
#include "cli/TerminalProgress.h"

#include <csignal>

namespace morvane::cli {
namespace {

volatile std::sig_atomic_t interruptedFlag = 0;

extern "C" void noteInterrupt(int) { interruptedFlag = 1; }

constexpr std::size_t kLineWidth = 79;

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& err, bool onTerminal, std::string_view doing)
    : err_(err), onTerminal_(onTerminal), doing_(doing)
{
    interruptedFlag = 0;
    previousHandler_ = std::signal(SIGINT, noteInterrupt);
}

TerminalProgress::~TerminalProgress()
{
    std::signal(SIGINT, previousHandler_ == SIG_ERR ? SIG_DFL : previousHandler_);
    if (onTerminal_ && shownWidth_ > 0)
        err_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
}

bool TerminalProgress::interrupted() { return interruptedFlag != 0; }

bool TerminalProgress::step(std::string_view path, std::size_t index, std::size_t count)
{
    if (onTerminal_) {
        std::string line = doing_ + " " + std::to_string(index + 1) + "/" + std::to_string(count) + ": ";
        line += path;
        if (line.size() > kLineWidth) {
            std::size_t cut = kLineWidth;  // not within a UTF-8 letter
            while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
                --cut;
            line.resize(cut);
        }
        err_ << '\r' << line << std::string(shownWidth_ > line.size() ? shownWidth_ - line.size() : 0, ' ')
             << std::flush;
        shownWidth_ = line.size();
    }
    return !interrupted();
}

bool readShowingProgress(std::ostream& err, bool onTerminal, std::string_view doing,
                         const std::function<void(ReadProgress&)>& read)
{
    {
        TerminalProgress progress(err, onTerminal, doing);
        read(progress);
    }
    if (!TerminalProgress::interrupted())
        return true;
    err << "morvane-cli: the reading was cancelled\n";
    return false;
}

}  // namespace morvane::cli
