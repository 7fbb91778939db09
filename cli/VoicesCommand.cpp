// morvane-cli voices STICK [--out DIR]: the robot's voice recordings, and the recorded ones
// copied out.
#include <array>

#include "base/Utf8Path.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/PcFileCopy.h"
#include "cli/StickArgument.h"
#include "pc/VoiceSlots.h"
#include "stick/StickFileContent.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"--out", true}}};

bool isRecorded(const VoiceSlot& slot)
{
    const auto* recording = std::get_if<VoiceRecording>(&slot.recording);
    return recording != nullptr && !recording->silent;
}

bool copyRecordings(const std::vector<VoiceSlot>& slots, const std::filesystem::path& folder,
                    std::ostream& err)
{
    bool allCopied = true;
    for (const VoiceSlot& slot : slots) {
        if (!isRecorded(slot))
            continue;
        const StickFileContent content = readStickFileContent(voicePath(slot), kLargestRecording);
        allCopied = content.outcome == StickFileContent::Outcome::Read &&
                    writeFileOut(folder / utf8Path(slot.file), content.bytes, std::nullopt, err) && allCopied;
    }
    return allCopied;
}

}  // namespace

int runVoices(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("voices", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    const std::optional<std::vector<VoiceSlot>> slots = readVoiceSlots();
    if (!slots) {
        context.err << "No voice recordings on this stick\n";
        return kExitNotProduced;
    }
    for (const VoiceSlot& slot : *slots) {
        if (const std::optional<std::string> line = voiceLine(slot))
            context.out << *line << '\n';
        else
            context.err << voiceProblem(slot) << '\n';
    }
    const auto out = parsed->options.find("--out");
    if (out != parsed->options.end() && !copyRecordings(*slots, outputPath(out->second), context.err))
        return kExitNotProduced;
    return kExitOk;
}

}  // namespace morvane::cli
