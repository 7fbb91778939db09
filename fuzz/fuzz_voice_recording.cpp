// Fuzz target of a voice recording of the robot's PC folder: the input is the WAV file. A
// recording read never has more samples than the file has bytes.
#include <variant>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "pc/VoiceRecording.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    const std::variant<VoiceRecording, std::string> read = readVoiceRecording(std::span(data, size));
    if (const auto* recording = std::get_if<VoiceRecording>(&read)) {
        requireFuzz(recording->samples <= size, "more samples than the file has bytes");
        requireFuzz(!recording->secondsText().empty(), "a length without digits");
    } else {
        requireFuzz(!std::get<std::string>(read).empty(), "a refusal without words");
    }
    return 0;
}
