// SliderDialog: the Qt window of the two slider editors (skill levels, volume presets):
// four sliders, a column of preset buttons, "Save" and "Cancel", acting on the editor's
// SliderControls.
#pragma once

#include "dialogs/qt/SliderDialogTexts.h"

class QWidget;

namespace morvane::qt {

class SliderDialog final : public SliderDialogView {
public:
    // Each run opens a window modal over `parent` (the main window), dressed by `texts`
    // (kSkillLevelsDialogTexts or kVolumeDialogTexts).
    SliderDialog(QWidget* parent, const SliderDialogTexts& texts) : parent_(parent), texts_(texts) {}

    bool runModal(SliderControls& controls) override;

private:
    QWidget* parent_;
    SliderDialogTexts texts_;
};

}  // namespace morvane::qt
