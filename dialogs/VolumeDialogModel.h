// What the volume settings dialog holds: four volume words, one slider each (0 to 63),
// the presets "Default", "Loud" and "Quiet", and "Save".
#pragma once

#include "dialogs/SliderPositions.h"
#include "dialogs/VolumeWords.h"

namespace morvane {

class VolumeDialogModel final : public SliderControls {
public:
    static constexpr std::array<std::string_view, 3> kPresetNames{"Default", "Loud", "Quiet"};

    // Opens with slider i at volumeToPosition(words[i]).
    explicit VolumeDialogModel(const VolumeWords& words);

    int sliderMaximum() const override { return sliders_.maximum(); }
    int position(std::size_t slider) const override { return sliders_.at(slider); }
    void setPosition(std::size_t slider, int position) override { sliders_.set(slider, position); }
    std::span<const std::string_view> presetNames() const override { return kPresetNames; }
    void pressPreset(std::size_t preset) override;
    void save() override;

    // As given until "Save", positionToVolume of the slider positions from then on.
    const VolumeWords& words() const { return words_; }

private:
    VolumeWords words_;
    SliderPositions sliders_;
};

}  // namespace morvane
