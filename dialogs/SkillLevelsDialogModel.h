// What the skill levels dialog holds: the maturity and three skill levels, one slider
// each, the presets "Adult", "Baby" and "NewBorn", and "Save" with its warning.
#pragma once

#include <array>
#include <cstdint>

#include "dialogs/SliderPositions.h"
#include "ui/UserMessages.h"

namespace morvane {

// The sliders in dialog order.
enum SkillSlider : std::size_t { kMaturitySlider, kWalkSkillSlider, kBallSkillSlider, kBoneSkillSlider };

// maturity, walkSkill, ballSkill, boneSkill, in hundredths of a percent (0 to 10000).
using SkillValues = std::array<std::int32_t, SliderControls::kSliderCount>;

class SkillLevelsDialogModel final : public SliderControls {
public:
    static constexpr int kFullLevel = 10000;
    static constexpr std::array<std::string_view, 3> kPresetNames{"Adult", "Baby", "NewBorn"};

    // Opens with the stored values; a slider shows a value outside 0 to 10000 at the
    // nearer end. Save's warning goes to `messages`.
    SkillLevelsDialogModel(const SkillValues& values, UserMessages& messages);

    int sliderMaximum() const override { return kFullLevel; }
    int position(std::size_t slider) const override { return sliders_.at(slider); }
    void setPosition(std::size_t slider, int position) override { sliders_.set(slider, position); }
    std::span<const std::string_view> presetNames() const override { return kPresetNames; }
    void pressPreset(std::size_t preset) override;
    void save() override;

    // As given until "Save", the slider positions from then on.
    const SkillValues& values() const { return values_; }

private:
    SkillValues values_;
    SliderPositions sliders_;
    UserMessages& messages_;
};

}  // namespace morvane
