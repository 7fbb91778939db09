// morvane-cli voices STICK [--out DIR]: the robot's voice recordings, and the recorded ones
// copied out.
#include <array>

#include "base/Utf8Path.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/StickArgument.h"
#include "cli/TerminalProgress.h"
#include "pc/PcFileCopy.h"
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
        const std::filesystem::path target = folder / utf8Path(slot.file);
        if (content.outcome != StickFileContent::Outcome::Read) {
            err << "morvane-cli: cannot read " << slot.file << "; it was not copied\n";
            allCopied = false;
        } else if (const std::optional<std::string> failure =
                       writeFileOut(target, content.bytes, std::nullopt)) {
            err << "morvane-cli: " << *failure << '\n';
            allCopied = false;
        }
    }
    return allCopied;
}

}  // namespace

int runVoices(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("voices", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    const std::optional<std::filesystem::path> outFolder = pathOption(*parsed, "--out");
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    if (outputInsideStick("voices", "--out", outFolder, stick, context.err))
        return kExitUsage;
    std::optional<std::vector<VoiceSlot>> slots;
    if (!readShowingProgress(context.err, context.errIsTerminal, "reading the recordings",
                             [&slots](ReadProgress& progress) { slots = readVoiceSlots(progress); }))
        return kExitNotProduced;
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
    if (outFolder && !copyRecordings(*slots, *outFolder, context.err))
        return kExitNotProduced;
    return kExitOk;
}

}  // namespace morvane::cli
