// The presets set the sliders only; the values change once, on "Save".
#include "dialogs/SkillLevelsDialogModel.h"

#include <algorithm>

namespace morvane {
namespace {

constexpr int kFull = SkillLevelsDialogModel::kFullLevel;

// In the order of kPresetNames.
constexpr std::array<SliderValues, 3> kPresetPositions{{
    {kFull, kFull, kFull, kFull},
    {kFull, 0, 0, 0},
    {0, 0, 0, 0},
}};

SliderValues sliderValues(const SkillValues& values)
{
    SliderValues positions{};
    for (std::size_t slider = 0; slider < values.size(); ++slider)
        positions[slider] = static_cast<int>(std::clamp<std::int32_t>(values[slider], 0, kFull));
    return positions;
}

// Skills other than maturity mean little to a robot that has not grown up.
bool skillsBeforeGrowingUp(const SkillValues& values)
{
    return values[kMaturitySlider] != kFull &&
           (values[kWalkSkillSlider] != 0 || values[kBallSkillSlider] != 0 || values[kBoneSkillSlider] != 0);
}

}  // namespace

SkillLevelsDialogModel::SkillLevelsDialogModel(const SkillValues& values, UserMessages& messages)
    : values_(values), sliders_(kFull, sliderValues(values)), messages_(messages)
{
}

void SkillLevelsDialogModel::pressPreset(std::size_t preset) { sliders_.setAll(kPresetPositions.at(preset)); }

void SkillLevelsDialogModel::save()
{
    for (std::size_t slider = 0; slider < values_.size(); ++slider)
        values_[slider] = sliders_.at(slider);
    if (skillsBeforeGrowingUp(values_))
        messages_.showMessage("Warning: other skill levels don't do much until AIBO grows up");
}

}  // namespace morvane
