// How often a progress window draws the file at hand: the first at once, then at most every
// 50 ms. Drawing every file's name would cost a stick of many small files a third of its
// backup time; at this pace the text still moves for the eye and costs next to nothing.
#pragma once

#include <chrono>

namespace morvane {

class ProgressPacing {
public:
    // From now on the next file is drawn at once.
    void restart() { drawn_ = false; }
    // Whether the file at hand is to be drawn; if so, the pace counts from now.
    bool due()
    {
        const auto now = std::chrono::steady_clock::now();
        if (drawn_ && now - lastDrawn_ < kInterval)
            return false;
        drawn_ = true;
        lastDrawn_ = now;
        return true;
    }

private:
    static constexpr std::chrono::milliseconds kInterval{50};
    bool drawn_ = false;
    std::chrono::steady_clock::time_point lastDrawn_;
};

}  // namespace morvane
