// Playing a recording with the desktop's own player: the recording is written to a
// temporary WAV file, which the desktop opens.
#pragma once

#include <deque>
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
    // The last recordings played, kept for the desktop's player, which opens a file some time
    // after it is asked to and may be asked for the next before it has; removed with the
    // player, or when more were played since.
    std::deque<std::unique_ptr<QTemporaryFile>> played_;
};

}  // namespace morvane::qt
