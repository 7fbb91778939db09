// The seam for playing a recording: the system's sound playing on Windows, the desktop's
// player on Linux and macOS, a recording fake in the tests.
#pragma once

#include <cstdint>
#include <span>

namespace morvane {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the WAV file `wave` (a copy is kept while it plays) and returns; false
    // when this computer cannot play it.
    virtual bool play(std::span<const std::uint8_t> wave) = 0;
};

}  // namespace morvane
