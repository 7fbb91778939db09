// What the skills and volume commands share: their options (a preset and one position
// per slider), and a view that plays the dialog from them.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/Commands.h"
#include "dialogs/EditOutcome.h"
#include "dialogs/EditorServices.h"

namespace morvane::cli {

struct SliderCommand {
    std::string_view name;                                               // "skills"
    std::array<std::string_view, SliderControls::kSliderCount> options;  // "--maturity", ...
    std::span<const std::string_view> presets;                           // the dialog's buttons
    int maximum;                                                         // every slider's
};

struct SliderRequest {
    std::string stick;
    std::optional<std::size_t> preset;
    std::array<std::optional<int>, SliderControls::kSliderCount> positions;

    bool changesAnything() const;
};

// The request in `context.args`; none after a usage error was written to `context.err`.
std::optional<SliderRequest> parseSliderRequest(const CommandContext& context, const SliderCommand& command);

// Without changes it prints each slider as "name=position" and leaves like "Cancel";
// with changes it presses the preset, sets the given positions and presses "Save".
class OptionsSliderView final : public SliderDialogView {
public:
    OptionsSliderView(const SliderCommand& command, const SliderRequest& request, std::ostream& out)
        : command_(command), request_(request), out_(out)
    {
    }
    bool runModal(SliderControls& controls) override;

private:
    void printPositions(const SliderControls& controls) const;

    const SliderCommand& command_;
    const SliderRequest& request_;
    std::ostream& out_;
};

// The editor's flow.
using SliderEdit = EditOutcome (*)(const EditorServices&);

// Runs an editor command: parses the options, opens the stick, plays the dialog through
// `edit`, then prints what the information list holds. The exit status says whether the
// editor did its work.
int runSliderCommand(const CommandContext& context, const SliderCommand& command, SliderEdit edit);

}  // namespace morvane::cli
