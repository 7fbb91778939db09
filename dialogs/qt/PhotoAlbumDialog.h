// PhotoAlbumDialog: the Qt window of the Photo Album command, the thumbnails in a grid that
// asks for each as it comes into view, and "Open" and "Save Photos...".
#pragma once

#include "ui/PhotoAlbumView.h"

class QWidget;

namespace morvane::qt {

class PhotoAlbumDialog final : public PhotoAlbumView {
public:
    // Each run opens a window modal over `parent` (the main window).
    explicit PhotoAlbumDialog(QWidget* parent) : parent_(parent) {}

    void runModal(PhotoRecords& album) override;

private:
    QWidget* parent_;
};

}  // namespace morvane::qt
