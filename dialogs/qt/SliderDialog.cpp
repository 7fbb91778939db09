#include "dialogs/qt/SliderDialog.h"

#include "dialogs/qt/SliderWindow.h"

namespace morvane::qt {

bool SliderDialog::runModal(SliderControls& controls)
{
    SliderWindow window(parent_, texts_, controls);
    return window.exec() == QDialog::Accepted;
}

}  // namespace morvane::qt
