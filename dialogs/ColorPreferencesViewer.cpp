// The table is read whole and the file closed before the dialog opens.
#include "dialogs/ColorPreferencesViewer.h"

#include "dialogs/ColorDialogModel.h"

namespace morvane {

bool viewColorPreferences(UserMessages& messages, ColorDialogView& view)
{
    std::unique_ptr<StickStream> stream = StickStream::open(kColorTablePath, "rb");
    if (!stream) {
        messages.showMessage("Failed to open TR.CT file");
        return false;
    }
    ColorTable table{};
    const bool read = readColorTable(*stream, table);
    StickStream::close(std::move(stream));
    if (!read) {
        messages.showMessage("Failed to parse TR.CT file");
        return false;
    }
    view.runModal(ColorDialogModel(table));
    return true;
}

}  // namespace morvane
