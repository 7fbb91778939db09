// Playing a recording through the system's sound playing (PlaySound), while the program
// goes on.
#pragma once

#include <vector>

#include "ui/SoundPlayer.h"

namespace morvane::win32 {

class SystemSoundPlayer final : public SoundPlayer {
public:
    SystemSoundPlayer() = default;
    ~SystemSoundPlayer() override;
    SystemSoundPlayer(const SystemSoundPlayer&) = delete;
    SystemSoundPlayer& operator=(const SystemSoundPlayer&) = delete;

    bool play(std::span<const std::uint8_t> wave) override;

private:
    std::vector<std::uint8_t> playing_;  // the system plays from this memory until it is done
};

}  // namespace morvane::win32
