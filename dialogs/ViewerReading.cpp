#include "dialogs/ViewerReading.h"

namespace morvane {

ViewerReading::ViewerReading(ProgressWindow& window, std::string_view title,
                             std::chrono::milliseconds patience)
    : window_(window), title_(title), opensAt_(std::chrono::steady_clock::now() + patience)
{
}

bool ViewerReading::reading(std::string_view path, std::size_t index, std::size_t count)
{
    if (stopped_)
        return false;
    if (!open_ && std::chrono::steady_clock::now() >= opensAt_) {
        window_.open(title_);
        open_ = true;
    }
    stopped_ = open_ && !window_.advance(path, index, count);
    return !stopped_;
}

bool ViewerReading::finish()
{
    if (open_)
        window_.close();
    open_ = false;
    return !stopped_;
}

}  // namespace morvane
