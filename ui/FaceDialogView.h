// The seam for the human faces viewer: a list of face names and a picture area that
// shows the selected face. FaceRecords is the viewer's model; a FaceDialogView shows it
// modally.
#pragma once

#include <cstddef>
#include <string_view>

#include "ui/Canvas.h"

namespace morvane {

class FaceRecords {
public:
    virtual ~FaceRecords() = default;
    virtual std::size_t faceCount() const = 0;
    // The name the face list shows for record `record` (0 to faceCount() - 1); each list
    // entry keeps its record index as item data.
    virtual std::string_view faceName(std::size_t record) const = 0;
    // Sets the pixels of the record's picture in picture-area coordinates: 135 x 80
    // pixels from (10, 10). Nothing around the picture is touched.
    virtual void drawFace(std::size_t record, Canvas& canvas) const = 0;
};

class FaceDialogView {
public:
    virtual ~FaceDialogView() = default;
    // Shows the dialog until the user presses "Done": no entry selected at first, the
    // selected entry's picture drawn on every selection change.
    virtual void runModal(const FaceRecords& faces) = 0;
};

}  // namespace morvane
