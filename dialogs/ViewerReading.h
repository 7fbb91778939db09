// The reading of the stick before a viewer's window opens (the diary's days, the voice
// slots, the photos the album's index does not list), shown in the progress window once it
// has gone on for half a second. A short reading shows no window, which would only flicker;
// a long one, on a slow stick, can be watched and cancelled.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "stick/ReadProgress.h"
#include "ui/ProgressWindow.h"

namespace morvane {

class ViewerReading final : public ReadProgress {
public:
    static constexpr std::chrono::milliseconds kPatience{500};

    // The reading starts now; the window, titled `title`, opens at the first file told
    // after `patience`.
    ViewerReading(ProgressWindow& window, std::string_view title,
                  std::chrono::milliseconds patience = kPatience);

    bool reading(std::string_view path, std::size_t index, std::size_t count) override;

    // Closes the window if it opened; false when Cancel stopped the reading.
    bool finish();

private:
    ProgressWindow& window_;
    std::string title_;
    std::chrono::steady_clock::time_point opensAt_;
    bool open_ = false;
    bool stopped_ = false;
};

}  // namespace morvane
