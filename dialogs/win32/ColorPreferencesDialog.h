// ColorPreferencesDialog: the window of the Color Preferences command, eight areas that paint the
// robot's eight colours.
#pragma once

#include <array>

#include "dialogs/win32/ColorArea.h"
#include "dialogs/win32/ModalDialog.h"
#include "ui/ColorDialogView.h"

namespace morvane::win32 {

class ColorPreferencesDialog final : public ColorDialogView, private ModalDialog {
public:
    explicit ColorPreferencesDialog(const DialogHost& host);
    void runModal(const ColorAreaPainter& painter) override;

private:
    void onInit() override;

    std::array<ColorArea, ColorAreaPainter::kAreaCount> areas_;
    const ColorAreaPainter* painter_ = nullptr;
};

}  // namespace morvane::win32
