// The Photo Album command: the robot's photos in their window.
#pragma once

#include <memory>

#include "dialogs/ViewerReading.h"
#include "pc/PhotoAlbum.h"
#include "stick/StickRoot.h"
#include "ui/PhotoAlbumView.h"
#include "ui/ProgressWindow.h"
#include "ui/SaveDialog.h"
#include "ui/UserMessages.h"

namespace morvane {

struct PhotoServices {
    UserMessages& messages;
    SaveDialog& saveDialog;
    ProgressWindow& progress;
    const StickRoot& stick;  // photos are copied off it, never onto it
};

// The album as the window shows it: the thumbnails decoded as the window asks for them,
// each photo read from the stick when it is opened or copied.
class PhotoAlbumModel final : public PhotoRecords {
public:
    PhotoAlbumModel(PhotoAlbum album, const PhotoServices& services);
    const std::vector<std::string>& lines() const override { return lines_; }
    const std::vector<std::string>& problems() const override { return album_.problems; }
    const RgbImage& thumbnail(std::size_t line) override;
    std::optional<RgbImage> photo(std::size_t line) override;
    void savePhotos() override;

private:
    PhotoAlbum album_;
    std::vector<std::string> lines_;
    // Each line's thumbnail once asked for; a null pointer until then.
    std::vector<std::unique_ptr<RgbImage>> thumbnails_;
    PhotoServices services_;
};

// Reads the album of the open stick, through `reading`, and shows `view` over it; false,
// after its message, when the stick has no photos, and false when Cancel stopped the reading.
bool viewPhotoAlbum(const PhotoServices& services, ViewerReading& reading, PhotoAlbumView& view);

}  // namespace morvane
