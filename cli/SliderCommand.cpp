// The editor commands' options and their run. Options are checked before the stick is
// opened, so a usage error never touches it.
#include "cli/SliderCommand.h"

#include <algorithm>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/StickArgument.h"
#include "cli/StreamMessages.h"

namespace morvane::cli {
namespace {

constexpr std::string_view kPresetOption = "--preset";

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

// Decimal digits only, from 0 to `maximum`.
std::optional<int> parsePosition(std::string_view text, int maximum)
{
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(std::string(text));
    return value <= maximum ? std::optional<int>(value) : std::nullopt;
}

std::optional<std::size_t> findPreset(const SliderCommand& command, std::string_view name)
{
    for (std::size_t preset = 0; preset < command.presets.size(); ++preset) {
        if (lowerCase(command.presets[preset]) == lowerCase(name))
            return preset;
    }
    return std::nullopt;
}

std::string presetList(const SliderCommand& command)
{
    std::string list;
    for (const std::string_view preset : command.presets) {
        if (!list.empty())
            list += '|';
        list += lowerCase(preset);
    }
    return list;
}

std::vector<OptionSpec> optionSpecs(const SliderCommand& command)
{
    std::vector<OptionSpec> specs{{kPresetOption, true}};
    for (const std::string_view option : command.options)
        specs.push_back({option, true});
    return specs;
}

// Fills the preset and the positions from the parsed options; false with `error` set.
bool takeOptions(const SliderCommand& command, const ParsedArgs& parsed, SliderRequest& request,
                 std::string& error)
{
    if (const auto preset = parsed.options.find(kPresetOption); preset != parsed.options.end()) {
        request.preset = findPreset(command, preset->second);
        if (!request.preset) {
            error = "unknown preset '" + preset->second + "' (" + presetList(command) + ")";
            return false;
        }
    }
    for (std::size_t slider = 0; slider < command.options.size(); ++slider) {
        const auto value = parsed.options.find(command.options[slider]);
        if (value == parsed.options.end())
            continue;
        request.positions[slider] = parsePosition(value->second, command.maximum);
        if (!request.positions[slider]) {
            error = std::string(command.options[slider]) + " needs a number from 0 to " +
                    std::to_string(command.maximum);
            return false;
        }
    }
    return true;
}

}  // namespace

bool SliderRequest::changesAnything() const
{
    return preset ||
           std::any_of(positions.begin(), positions.end(), [](const auto& p) { return p.has_value(); });
}

std::optional<SliderRequest> parseSliderRequest(const CommandContext& context, const SliderCommand& command)
{
    const std::optional<ParsedArgs> parsed =
        parseCommandArgs(command.name, context.args, optionSpecs(command), context.err);
    if (!parsed)
        return std::nullopt;
    SliderRequest request;
    if (std::string error; !takeOptions(command, *parsed, request, error)) {
        reportUsageError(context.err, std::string(command.name) + ": " + error);
        return std::nullopt;
    }
    request.stick = parsed->positionals[0];
    return request;
}

bool OptionsSliderView::runModal(SliderControls& controls)
{
    if (!request_.changesAnything()) {
        printPositions(controls);
        return false;
    }
    if (request_.preset)
        controls.pressPreset(*request_.preset);
    for (std::size_t slider = 0; slider < request_.positions.size(); ++slider) {
        if (request_.positions[slider])
            controls.setPosition(slider, *request_.positions[slider]);
    }
    controls.save();
    return true;
}

void OptionsSliderView::printPositions(const SliderControls& controls) const
{
    for (std::size_t slider = 0; slider < command_.options.size(); ++slider)
        out_ << command_.options[slider].substr(2) << '=' << controls.position(slider) << '\n';
}

int runSliderCommand(const CommandContext& context, const SliderCommand& command, SliderEdit edit)
{
    const std::optional<SliderRequest> request = parseSliderRequest(context, command);
    if (!request)
        return kExitUsage;
    StickRoot stick;
    if (!openStickArgument(request->stick, stick, context.err))
        return kExitStickError;
    StreamMessages messages(context.err);
    OptionsSliderView view(command, *request, context.out);
    MemoryInfoList list;
    const EditOutcome outcome = edit({messages, view, list, stick, systemFileOperations()});
    for (const std::string& line : list.lines())
        context.out << line << '\n';
    return outcome == EditOutcome::Saved || outcome == EditOutcome::Cancelled ? kExitOk : kExitNotProduced;
}

}  // namespace morvane::cli
