// The seam for the Photo Album window: the photos as morvane-cli photos lists them, each
// with its thumbnail, decoded only when the window first shows it; the photo itself opened
// from the chosen one; "Save Photos..." for them all; and what could not be read.
// PhotoRecords is the window's model; a PhotoAlbumView shows it modally.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/RgbImage.h"

namespace morvane {

// The size the robot draws its thumbnails at, and the window's places for them.
inline constexpr int kThumbnailWidth = 104;
inline constexpr int kThumbnailHeight = 80;

class PhotoRecords {
public:
    virtual ~PhotoRecords() = default;
    // One line per photo, as morvane-cli photos prints them.
    virtual const std::vector<std::string>& lines() const = 0;
    // One line for each thing that could not be read; empty when all could.
    virtual const std::vector<std::string>& problems() const = 0;
    // The thumbnail of list line `line`, kThumbnailWidth x kThumbnailHeight, read and
    // decoded the first time it is asked for: a grey frame for a missing photo or a
    // thumbnail that cannot be read. It stays valid while the records live.
    virtual const RgbImage& thumbnail(std::size_t line) = 0;
    // The photo of list line `line`, decoded; none, after a message, when it cannot be.
    virtual std::optional<RgbImage> photo(std::size_t line) = 0;
    // Asks for a folder and copies every photo there as morvane-cli photos --out does,
    // under a progress window; a message says what was copied.
    virtual void savePhotos() = 0;
};

class PhotoAlbumView {
public:
    virtual ~PhotoAlbumView() = default;
    // Shows the window until the user presses "Done": the thumbnails with their lines, no
    // photo chosen at first, "Open" (and a double click) showing the chosen photo in a window
    // of its own, scaled smoothly to that window, and "Save Photos...".
    virtual void runModal(PhotoRecords& album) = 0;
};

}  // namespace morvane
