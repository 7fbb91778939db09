// The robot's photo album on the stick: the photos its index IMGFILES.XML lists, by
// category, and the photos of its photo folder that the index does not list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stick/ReadProgress.h"

namespace morvane {

inline constexpr char kPhotoIndexPath[] = "OPEN-R\\APP\\PC\\DIARY\\IMGFILES.XML";
inline constexpr char kPhotoFolder[] = "OPEN-R\\APP\\PC\\PHOTO";
// A photo of 416 x 320 pixels is some 30 KB; a larger file than this is no photo of the robot's.
inline constexpr std::uint64_t kLargestPhoto = 4 << 20;

struct AlbumPhoto {
    std::string category;  // the index's, or "UNLISTED"
    std::string file;      // as the index or the folder spells it
    std::string date;      // "2017-03-28", or question marks in its digits when nothing says it
    std::string time;      // "19:20:10", or question marks likewise
    bool present = false;  // the photo folder holds it
};

struct PhotoAlbum {
    std::vector<AlbumPhoto> photos;     // the index's in its order, then the unlisted by name
    std::vector<std::string> problems;  // one line each, naming the file
};

// The album of the stick in the current directory; none when the stick holds no photo and
// nothing of the album that could not be read. `progress` is told of each unlisted photo
// before its capture time is read; when it answers false the reading stops there, with the
// photos read until then.
std::optional<PhotoAlbum> readPhotoAlbum(ReadProgress& progress);

// "CATEGORY YYYY-MM-DD HH:MM:SS FILE", and " (missing)" for a photo that is not there.
std::string albumLine(const AlbumPhoto& photo);

// The stick path of the photo, and of its thumbnail (THMnnnnn.JPG for IMGnnnnn.JPG).
std::string photoPath(const AlbumPhoto& photo);
std::string thumbnailPath(const AlbumPhoto& photo);

}  // namespace morvane
