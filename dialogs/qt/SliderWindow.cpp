// The sliders are the editor's sliders: every move (mouse, keyboard, wheel) is taken into
// the controls, a preset moves all four, and "Save" takes the positions once more before
// it saves, so what is saved is what the sliders show. Escape and the close box leave
// as "Cancel" does.
#include "dialogs/qt/SliderWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

#include "dialogs/qt/QtText.h"

namespace morvane::qt {
namespace {

// The width of the Win32 dialog's trackbars, 142 dialog units.
constexpr int kSliderWidth = 213;

}  // namespace

// Labels and sliders on the left, the presets to their right, "Save" and "Cancel" below
// the sliders.
SliderWindow::SliderWindow(QWidget* parent, const SliderDialogTexts& texts, SliderControls& controls)
    : QDialog(parent), controls_(controls)
{
    setWindowTitle(texts.title);
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    addSliders(grid, texts);
    grid->addWidget(makePresets(texts), 0, 2, static_cast<int>(sliders_.size()), 1, Qt::AlignTop);
    grid->addWidget(makeSaveAndCancel(), static_cast<int>(sliders_.size()), 1);
    setTabOrder(texts.buttonsFirst);
    showPositions();
}

// Each label names its slider for accessibility. A slider pages by a fifth of its range,
// as the Win32 trackbar does.
void SliderWindow::addSliders(QGridLayout* grid, const SliderDialogTexts& texts)
{
    for (std::size_t index = 0; index < sliders_.size(); ++index) {
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(0, controls_.sliderMaximum());
        slider->setPageStep(std::max(1, controls_.sliderMaximum() / 5));
        slider->setMinimumWidth(kSliderWidth);
        connect(slider, &QSlider::valueChanged, this,
                [this, index](int position) { controls_.setPosition(index, position); });
        auto* label = new QLabel(texts.labels[index], this);
        label->setBuddy(slider);
        const int row = static_cast<int>(index);
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(slider, row, 1);
        sliders_[index] = slider;
    }
}

QWidget* SliderWindow::makePresets(const SliderDialogTexts& texts)
{
    QWidget* column = texts.presetsGroup ? new QGroupBox(texts.presetsGroup, this) : new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    if (!texts.presetsGroup)
        layout->setContentsMargins(0, 0, 0, 0);
    const std::span<const std::string_view> names = controls_.presetNames();
    for (std::size_t preset = 0; preset < names.size(); ++preset) {
        auto* button = new QPushButton(qtText(names[preset]), column);
        connect(button, &QPushButton::clicked, this, [this, preset] {
            controls_.pressPreset(preset);
            showPositions();
        });
        layout->addWidget(button);
        presets_.push_back(button);
    }
    return column;
}

QWidget* SliderWindow::makeSaveAndCancel()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* save = new QPushButton("Save", row);
    auto* cancel = new QPushButton("Cancel", row);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &SliderWindow::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addStretch();
    layout->addWidget(save);
    layout->addWidget(cancel);
    layout->addStretch();
    save_ = save;
    cancel_ = cancel;
    return row;
}

// The Win32 dialogs' tab orders: skill levels "Save", "Cancel", the presets, then the
// sliders; volume the sliders, the presets, then "Save" and "Cancel". The first has the
// focus when the window opens.
void SliderWindow::setTabOrder(bool buttonsFirst)
{
    std::vector<QWidget*> buttons{save_, cancel_};
    buttons.insert(buttonsFirst ? buttons.end() : buttons.begin(), presets_.begin(), presets_.end());
    std::vector<QWidget*> order(sliders_.begin(), sliders_.end());
    order.insert(buttonsFirst ? order.begin() : order.end(), buttons.begin(), buttons.end());
    for (std::size_t index = 1; index < order.size(); ++index)
        QWidget::setTabOrder(order[index - 1], order[index]);
    order.front()->setFocus();
}

// The controls' positions onto the sliders; the sliders' own signals stay quiet, as the
// positions come from the controls.
void SliderWindow::showPositions()
{
    for (std::size_t index = 0; index < sliders_.size(); ++index) {
        const QSignalBlocker quiet(sliders_[index]);
        sliders_[index]->setValue(controls_.position(index));
    }
}

void SliderWindow::takePositions()
{
    for (std::size_t index = 0; index < sliders_.size(); ++index)
        controls_.setPosition(index, sliders_[index]->value());
}

// The editor's warning, if any, shows while this window is still open.
void SliderWindow::save()
{
    takePositions();
    controls_.save();
    accept();
}

}  // namespace morvane::qt
