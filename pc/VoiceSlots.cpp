#include "pc/VoiceSlots.h"

#include <algorithm>
#include <iterator>

#include "base/AsciiCase.h"
#include "stick/StickFileContent.h"
#include "stick/StickFolder.h"
#include "stick/StickPath.h"

namespace morvane {
namespace {

bool isWaveName(const std::string& name) { return name.size() > 4 && asciiUpperCase(name).ends_with(".WAV"); }

std::variant<VoiceRecording, std::string> readSlotRecording(const std::string& path)
{
    const StickFileContent content = readStickFileContent(path, kLargestRecording);
    if (content.outcome == StickFileContent::Outcome::Read)
        return readVoiceRecording(content.bytes);
    if (content.outcome == StickFileContent::Outcome::TooLarge)
        return std::string("larger than 1 MB, not read");
    return std::string("cannot be read");
}

}  // namespace

std::optional<std::vector<VoiceSlot>> readVoiceSlots(ReadProgress& progress)
{
    const std::optional<std::vector<std::string>> folder = listStickFolder(kVoiceFolder);
    if (!folder)
        return std::nullopt;
    std::vector<std::string> names;
    std::copy_if(folder->begin(), folder->end(), std::back_inserter(names), isWaveName);
    std::vector<VoiceSlot> slots;
    for (std::size_t at = 0; at < names.size(); ++at) {
        VoiceSlot slot{names[at], std::string()};
        if (!progress.reading(slashedStickPath(voicePath(slot)), at, names.size()))
            break;
        slot.recording = readSlotRecording(voicePath(slot));
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
    return slashedStickPath(voicePath(slot)) + ": " + (reason != nullptr ? *reason : std::string());
}

std::string voicePath(const VoiceSlot& slot) { return std::string(kVoiceFolder) + "\\" + slot.file; }

}  // namespace morvane
