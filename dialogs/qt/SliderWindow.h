// SliderWindow: the dialog a SliderDialog runs, its sliders tied to the editor's
// SliderControls for as long as it is open.
#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "dialogs/qt/SliderDialogTexts.h"

class QGridLayout;
class QSlider;

namespace morvane::qt {

class SliderWindow final : public QDialog {
public:
    SliderWindow(QWidget* parent, const SliderDialogTexts& texts, SliderControls& controls);

private:
    void addSliders(QGridLayout* grid, const SliderDialogTexts& texts);
    QWidget* makePresets(const SliderDialogTexts& texts);
    QWidget* makeSaveAndCancel();
    void setTabOrder(bool buttonsFirst);
    void showPositions();
    void takePositions();
    void save();

    SliderControls& controls_;
    std::array<QSlider*, SliderControls::kSliderCount> sliders_{};
    std::vector<QWidget*> presets_;  // top button first
    QWidget* save_ = nullptr;
    QWidget* cancel_ = nullptr;
};

}  // namespace morvane::qt
