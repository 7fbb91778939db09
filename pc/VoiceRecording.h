// One voice recording of the robot's PC folder, OPEN-R\APP\PC\VOICE\nnnn.WAV: a RIFF WAVE
// file of PCM samples, 8 kHz, 8 bits, mono. Slots 0000 to 0019 hold 5 seconds, 0020 to
// 0024 hold 20; a slot nobody recorded into holds silence, every sample 127 to 129.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace morvane {

inline constexpr std::uint32_t kVoiceSampleRate = 8000;

struct VoiceRecording {
    std::uint32_t samples = 0;
    bool silent = true;

    // The length in seconds with one decimal, e.g. "5.0".
    std::string secondsText() const;
};

// The recording in `wav`, or why it is none, as a clause: "not a WAVE file", "not 8 kHz
// 8-bit mono PCM", "its data size says N bytes, the file holds M", "its data size says N
// bytes, and bytes that are no chunk follow them", "cut short".
std::variant<VoiceRecording, std::string> readVoiceRecording(std::span<const std::uint8_t> wav);

}  // namespace morvane
