// What tells the two slider editors' windows apart: title, slider labels, how the preset
// buttons stand and where the buttons come in the tab order.
#pragma once

#include <array>

#include "ui/SliderDialogView.h"

namespace morvane::qt {

struct SliderDialogTexts {
    const char* title;
    std::array<const char*, SliderControls::kSliderCount> labels;  // top slider first
    // The box the preset buttons stand in, or nullptr for a plain column.
    const char* presetsGroup;
    // Whether "Save", "Cancel" and the presets come before the sliders in the tab order.
    bool buttonsFirst;
};

inline constexpr SliderDialogTexts kSkillLevelsDialogTexts{
    "Skill Levels", {"Maturity:", "Walk Skill:", "Ball Skill:", "Bone Skill:"}, "Presets:", true};

inline constexpr SliderDialogTexts kVolumeDialogTexts{
    "Volume Settings", {"Volume 0:", "Volume 1:", "Volume 2:", "Volume 3:"}, nullptr, false};

}  // namespace morvane::qt
