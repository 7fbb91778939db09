// The presets are the Default words, a louder set and a quieter one derived from the
// position of 0xE700; they set the sliders only, and the words change on "Save".
#include "dialogs/VolumeDialogModel.h"

namespace morvane {
namespace {

SliderValues positionsOf(const VolumeWords& words)
{
    SliderValues positions{};
    for (std::size_t slider = 0; slider < words.size(); ++slider)
        positions[slider] = volumeToPosition(words[slider]);
    return positions;
}

// In the order of kPresetNames, computed with volumeToPosition as the buttons are pressed.
std::array<SliderValues, 3> presetPositions()
{
    const int normal = volumeToPosition(0xE700);
    return {{
        positionsOf(kDefaultVolumeWords),
        positionsOf({kMutedVolume, 0xF600, 0xFB00, 0xFF00}),
        {0, normal / 2, normal * 2 / 3, normal},
    }};
}

}  // namespace

VolumeDialogModel::VolumeDialogModel(const VolumeWords& words)
    : words_(words), sliders_(volumeToPosition(0xFFFF), positionsOf(words))
{
}

void VolumeDialogModel::pressPreset(std::size_t preset) { sliders_.setAll(presetPositions().at(preset)); }

void VolumeDialogModel::save()
{
    for (std::size_t slider = 0; slider < words_.size(); ++slider)
        words_[slider] = positionToVolume(sliders_.at(slider));
}

}  // namespace morvane
