// The file is read whole and closed before the dialog opens; the dialog works on the copy.
#include "dialogs/HumanFacesViewer.h"

#include "dialogs/FaceDatabaseFile.h"

namespace morvane {
namespace {

std::string_view errorMessage(FaceDatabaseError error)
{
    switch (error) {
    case FaceDatabaseError::BadFormat:
        return "Bad format FIFDATA.BIN";
    case FaceDatabaseError::BadHeader:
        return "Bad or unknown FIFDATA header\nPlease email Quillfen";
    case FaceDatabaseError::BadVariant:
        return "Bad or unknown FIFDATA header (2)\nPlease email Quillfen";
    case FaceDatabaseError::BadSize:
        break;
    }
    return "Bad FIFDATA size\nPlease email Quillfen";
}

}  // namespace

bool viewHumanFaces(UserMessages& messages, FaceDialogView& view)
{
    std::unique_ptr<StickStream> stream = StickStream::open(kFaceDatabasePath, "rb");
    if (!stream) {
        messages.showMessage("No Human Faces stored on this stick");
        return false;
    }
    std::variant<FaceDatabase, FaceDatabaseError> loaded = loadFaceDatabase(*stream);
    StickStream::close(std::move(stream));
    if (const FaceDatabaseError* error = std::get_if<FaceDatabaseError>(&loaded)) {
        messages.showMessage(errorMessage(*error));
        return false;
    }
    view.runModal(std::get<FaceDatabase>(loaded));
    return true;
}

}  // namespace morvane
