// PlaySound plays from memory while it returns at once (SND_ASYNC); the memory must stay
// until it is done, so the sound playing is stopped before the copy is replaced or goes.
#include "app/win32/SystemSoundPlayer.h"

#include <windows.h>

#include <mmsystem.h>

namespace morvane::win32 {

SystemSoundPlayer::~SystemSoundPlayer() { PlaySoundW(nullptr, nullptr, 0); }

bool SystemSoundPlayer::play(std::span<const std::uint8_t> wave)
{
    PlaySoundW(nullptr, nullptr, 0);
    playing_.assign(wave.begin(), wave.end());
    return PlaySoundW(reinterpret_cast<LPCWSTR>(playing_.data()), nullptr,
                      SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

}  // namespace morvane::win32
