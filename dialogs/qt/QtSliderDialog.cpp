#include "dialogs/qt/QtSliderDialog.h"

#include "dialogs/qt/SliderWindow.h"

namespace morvane {

bool QtSliderDialog::runModal(SliderControls& controls)
{
    SliderWindow window(parent_, texts_, controls);
    return window.exec() == QDialog::Accepted;
}

}  // namespace morvane
