// A scripted editor dialog for flow tests: records the slider positions it opened with
// and plays a script on the controls; the script's answer is whether "Save" closed it.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "ui/SliderDialogView.h"

namespace morvane::test {

using SliderPositionList = std::array<int, SliderControls::kSliderCount>;

inline SliderPositionList positionsOf(const SliderControls& controls)
{
    return {controls.position(0), controls.position(1), controls.position(2), controls.position(3)};
}

// The script that presses "Save" straight away.
inline bool pressSave(SliderControls& controls)
{
    controls.save();
    return true;
}

class ScriptedSliderView : public SliderDialogView {
public:
    explicit ScriptedSliderView(std::function<bool(SliderControls&)> script) : script_(std::move(script)) {}

    bool runModal(SliderControls& controls) override
    {
        opened = positionsOf(controls);
        return script_(controls);
    }

    // The positions of the last opening; none while the dialog was never shown.
    std::optional<SliderPositionList> opened;

private:
    std::function<bool(SliderControls&)> script_;
};

}  // namespace morvane::test
