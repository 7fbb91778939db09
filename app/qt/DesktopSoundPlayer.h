// Playing a recording with the desktop's own player: the recording is written to a
// temporary WAV file, which the desktop opens.
#pragma once

#include <memory>

#include "ui/SoundPlayer.h"

class QTemporaryFile;

namespace morvane::qt {

class DesktopSoundPlayer final : public SoundPlayer {
public:
    DesktopSoundPlayer();
    ~DesktopSoundPlayer() override;
    bool play(std::span<const std::uint8_t> wave) override;

private:
    std::unique_ptr<QTemporaryFile> playing_;  // kept until the next one, for the player to read
};

}  // namespace morvane::qt
