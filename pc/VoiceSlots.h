// The robot's voice recordings on the stick: every WAV file of OPEN-R\APP\PC\VOICE, in
// name order, each read as a recording or refused with a reason.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "pc/VoiceRecording.h"
#include "stick/ReadProgress.h"

namespace morvane {

inline constexpr char kVoiceFolder[] = "OPEN-R\\APP\\PC\\VOICE";
// A slot of 20 seconds is 160044 bytes; a larger file is no recording of the robot's.
inline constexpr std::uint64_t kLargestRecording = 1 << 20;

struct VoiceSlot {
    std::string file;  // as the folder spells it, e.g. "0000.WAV"
    std::variant<VoiceRecording, std::string> recording;
};

// The slots of the stick in the current directory; none when it has no voice folder.
// `progress` is told of each slot before its file is read; when it answers false the
// reading stops there, with the slots read until then.
std::optional<std::vector<VoiceSlot>> readVoiceSlots(ReadProgress& progress);

// "FILE SECONDS recorded" or "FILE SECONDS empty"; none for a slot that could not be read.
std::optional<std::string> voiceLine(const VoiceSlot& slot);

// "OPEN-R/APP/PC/VOICE/FILE: REASON" for a slot that could not be read.
std::string voiceProblem(const VoiceSlot& slot);

// The stick path of the slot's file.
std::string voicePath(const VoiceSlot& slot);

}  // namespace morvane
