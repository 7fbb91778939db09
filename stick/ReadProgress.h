// Long reading of a stick, file by file (a check, the diary's days, the voice slots): told
// before each file is read, so that a window or a terminal can show how far it is and stop it.
#pragma once

#include <cstddef>
#include <string_view>

namespace morvane {

class ReadProgress {
public:
    virtual ~ReadProgress() = default;
    // Told before file `index` of `count`, `path`, and again within a large one where the
    // reading goes through it in parts; answers false to stop the reading there.
    virtual bool reading(std::string_view path, std::size_t index, std::size_t count) = 0;
};

// A reading that nobody watches or stops.
class UnwatchedReading final : public ReadProgress {
public:
    bool reading(std::string_view, std::size_t, std::size_t) override { return true; }
};

}  // namespace morvane
