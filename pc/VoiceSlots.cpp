#include "pc/VoiceSlots.h"

#include "base/AsciiCase.h"
#include "stick/StickFileContent.h"
#include "stick/StickFolder.h"

namespace morvane {
namespace {

bool isWaveName(const std::string& name) { return name.size() > 4 && asciiUpperCase(name).ends_with(".WAV"); }

}  // namespace

std::optional<std::vector<VoiceSlot>> readVoiceSlots()
{
    const std::optional<std::vector<std::string>> folder = listStickFolder(kVoiceFolder);
    if (!folder)
        return std::nullopt;
    std::vector<VoiceSlot> slots;
    for (const std::string& name : *folder) {
        if (!isWaveName(name))
            continue;
        VoiceSlot slot{name, std::string()};
        const StickFileContent content = readStickFileContent(voicePath(slot), kLargestRecording);
        if (content.outcome == StickFileContent::Outcome::Read)
            slot.recording = readVoiceRecording(content.bytes);
        else if (content.outcome == StickFileContent::Outcome::TooLarge)
            slot.recording = std::string("larger than 1 MB, not read");
        else
            slot.recording = std::string("cannot be read");
        slots.push_back(std::move(slot));
    }
    return slots;
}

std::optional<std::string> voiceLine(const VoiceSlot& slot)
{
    const auto* recording = std::get_if<VoiceRecording>(&slot.recording);
    if (recording == nullptr)
        return std::nullopt;
    return slot.file + " " + recording->secondsText() + (recording->silent ? " empty" : " recorded");
}

std::string voiceProblem(const VoiceSlot& slot)
{
    const auto* reason = std::get_if<std::string>(&slot.recording);
    return "OPEN-R/APP/PC/VOICE/" + slot.file + ": " + (reason != nullptr ? *reason : std::string());
}

std::string voicePath(const VoiceSlot& slot) { return std::string(kVoiceFolder) + "\\" + slot.file; }

}  // namespace morvane
