// The seam for the two editor dialogs (skill levels, volume presets): four sliders, a
// column of preset buttons, "Save" and "Cancel". SliderControls is what the dialog's
// controls act on, the editor's model; a SliderDialogView shows it modally: the window
// program's dialog, morvane-cli's options, a test's script.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace morvane {

class SliderControls {
public:
    static constexpr std::size_t kSliderCount = 4;

    virtual ~SliderControls() = default;
    // Every slider runs from 0 to this position.
    virtual int sliderMaximum() const = 0;
    virtual int position(std::size_t slider) const = 0;
    // Moves a slider; a position outside the range lands at the nearer end.
    virtual void setPosition(std::size_t slider, int position) = 0;
    // The preset buttons' texts, top button first; pressPreset takes an index into them.
    virtual std::span<const std::string_view> presetNames() const = 0;
    // Moves the four sliders to the preset's positions; nothing else changes.
    virtual void pressPreset(std::size_t preset) = 0;
    // The "Save" button: takes the values from the sliders, showing a message first when
    // the editor has one to show. The view then closes with the OK result.
    virtual void save() = 0;
};

class SliderDialogView {
public:
    virtual ~SliderDialogView() = default;
    // Shows the dialog over `controls` until it closes. True when it was closed by "Save"
    // (after controls.save()); false for "Cancel", Escape or the close box.
    virtual bool runModal(SliderControls& controls) = 0;
};

}  // namespace morvane
