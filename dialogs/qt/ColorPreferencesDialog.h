// ColorPreferencesDialog: the Qt window of the Color Preferences command, eight areas that paint
// the robot's eight colours.
#pragma once

#include "ui/ColorDialogView.h"

class QWidget;

namespace morvane::qt {

class ColorPreferencesDialog final : public ColorDialogView {
public:
    // Each run opens a window modal over `parent` (the main window).
    explicit ColorPreferencesDialog(QWidget* parent) : parent_(parent) {}

    void runModal(const ColorAreaPainter& painter) override;

private:
    QWidget* parent_;
};

}  // namespace morvane::qt
