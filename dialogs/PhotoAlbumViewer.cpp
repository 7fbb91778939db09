// The album's index and folder are read before the window opens; a thumbnail is read when
// the window first shows it, and a photo each time it is opened or copied, so that an
// album of a thousand photos opens as fast as a small one.
#include "dialogs/PhotoAlbumViewer.h"

#include <algorithm>
#include <variant>

#include "base/Utf8Path.h"
#include "dialogs/SaveFailureMessage.h"
#include "pc/JpegPicture.h"
#include "pc/PhotoCopy.h"
#include "stick/StickFileContent.h"

namespace morvane {
namespace {

constexpr std::size_t kThumbnailBytes = std::size_t{kThumbnailWidth} * kThumbnailHeight * 3;

// Where pixel (x, y) of a picture `width` pixels wide starts in its bytes.
std::ptrdiff_t pixelOffset(int x, int y, int width) { return (std::ptrdiff_t{y} * width + x) * 3; }

// A light grey field framed in grey: the place of a thumbnail that cannot be shown.
RgbImage emptyThumbnail()
{
    RgbImage empty{kThumbnailWidth, kThumbnailHeight, std::vector<std::uint8_t>(kThumbnailBytes, 0xE0)};
    for (int y = 0; y < kThumbnailHeight; ++y) {
        for (int x = 0; x < kThumbnailWidth; ++x) {
            if (x == 0 || y == 0 || x == kThumbnailWidth - 1 || y == kThumbnailHeight - 1)
                std::fill_n(empty.rgb.begin() + pixelOffset(x, y, kThumbnailWidth), 3, std::uint8_t{0xA0});
        }
    }
    return empty;
}

// `picture` in a thumbnail's place: the robot's own are that size; another is centred on
// a white field, and cut where it is larger.
RgbImage inThumbnailPlace(const RgbImage& picture)
{
    if (picture.width == kThumbnailWidth && picture.height == kThumbnailHeight)
        return picture;
    RgbImage placed{kThumbnailWidth, kThumbnailHeight, std::vector<std::uint8_t>(kThumbnailBytes, 0xFF)};
    const int left = (kThumbnailWidth - picture.width) / 2;
    const int top = (kThumbnailHeight - picture.height) / 2;
    const int from = std::max(0, left);
    const int to = std::min(kThumbnailWidth, left + picture.width);
    for (int y = std::max(0, top); y < std::min(kThumbnailHeight, top + picture.height); ++y) {
        std::copy_n(picture.rgb.begin() + pixelOffset(from - left, y - top, picture.width),
                    std::ptrdiff_t{to - from} * 3,
                    placed.rgb.begin() + pixelOffset(from, y, kThumbnailWidth));
    }
    return placed;
}

RgbImage readThumbnail(const AlbumPhoto& photo)
{
    if (!photo.present)
        return emptyThumbnail();
    const StickFileContent content = readStickFileContent(thumbnailPath(photo), kLargestJpeg);
    if (content.outcome != StickFileContent::Outcome::Read)
        return emptyThumbnail();
    const std::variant<RgbImage, std::string> decoded = decodeJpeg(content.bytes);
    const auto* picture = std::get_if<RgbImage>(&decoded);
    return picture == nullptr ? emptyThumbnail() : inThumbnailPlace(*picture);
}

std::string photoCount(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " photo" : " photos");
}

struct CopyOutcome {
    std::size_t copied = 0;
    std::size_t total = 0;
    bool cancelled = false;
    std::vector<std::string> failures;
};

// A message box shows this many reasons at most, so that it fits the screen when every
// copy failed (a full disk); the rest are counted.
constexpr std::size_t kFailuresShown = 10;

// "Copied 5 photos to FOLDER", or how many of them, why the others are not, and that the
// owner cancelled.
std::string copiedMessage(const CopyOutcome& outcome, const std::string& folder)
{
    std::string message = outcome.copied == outcome.total ? "Copied " + photoCount(outcome.copied)
                                                          : "Copied " + std::to_string(outcome.copied) +
                                                                " of " + photoCount(outcome.total);
    message += " to " + folder;
    if (outcome.cancelled)
        message += "; the copying was cancelled";
    for (std::size_t shown = 0; shown < outcome.failures.size() && shown < kFailuresShown; ++shown)
        message += "\n" + outcome.failures[shown];
    if (outcome.failures.size() > kFailuresShown)
        message += "\nand " + std::to_string(outcome.failures.size() - kFailuresShown) + " more not copied";
    return message;
}

}  // namespace

PhotoAlbumModel::PhotoAlbumModel(PhotoAlbum album, const PhotoServices& services)
    : album_(std::move(album)), thumbnails_(album_.photos.size()), services_(services)
{
    for (const AlbumPhoto& photo : album_.photos)
        lines_.push_back(albumLine(photo));
}

const RgbImage& PhotoAlbumModel::thumbnail(std::size_t line)
{
    std::unique_ptr<RgbImage>& kept = thumbnails_.at(line);
    if (!kept)
        kept = std::make_unique<RgbImage>(readThumbnail(album_.photos[line]));
    return *kept;
}

std::optional<RgbImage> PhotoAlbumModel::photo(std::size_t line)
{
    const AlbumPhoto& photo = album_.photos.at(line);
    if (!photo.present) {
        services_.messages.showMessage(photo.file + " is not on the stick");
        return std::nullopt;
    }
    const StickFileContent content = readStickFileContent(photoPath(photo), kLargestJpeg);
    if (content.outcome == StickFileContent::Outcome::TooLarge) {
        services_.messages.showMessage("Cannot show " + photo.file + ": it is larger than 4 MB");
        return std::nullopt;
    }
    if (content.outcome != StickFileContent::Outcome::Read) {
        services_.messages.showMessage("Cannot read " + photo.file + " from the stick");
        return std::nullopt;
    }
    std::variant<RgbImage, std::string> decoded = decodeJpeg(content.bytes);
    if (auto* picture = std::get_if<RgbImage>(&decoded))
        return std::move(*picture);
    services_.messages.showMessage("Cannot show " + photo.file + ": it is " + std::get<std::string>(decoded));
    return std::nullopt;
}

// Every photo on the stick is copied, named and dated as morvane-cli photos --out does;
// Cancel stops before the next photo and keeps those copied.
void PhotoAlbumModel::savePhotos()
{
    std::vector<const AlbumPhoto*> present;
    for (const AlbumPhoto& photo : album_.photos) {
        if (photo.present)
            present.push_back(&photo);
    }
    if (present.empty()) {
        services_.messages.showMessage("None of the album's photos is on the stick");
        return;
    }
    const std::optional<std::string> folder =
        services_.saveDialog.chooseSaveLocation({"Save Photos", "Robot photos", true});
    if (!folder || copyTargetInsideStick(*folder, services_.stick, services_.messages))
        return;
    CopyOutcome outcome{.total = present.size(), .failures = {}};
    services_.progress.open("Save Photos");
    for (std::size_t index = 0; index < present.size(); ++index) {
        if (!services_.progress.advance(present[index]->file, index, present.size())) {
            outcome.cancelled = true;
            break;
        }
        if (const std::optional<std::string> failure = copyPhoto(*present[index], utf8Path(*folder)))
            outcome.failures.push_back(*failure);
        else
            ++outcome.copied;
    }
    services_.progress.close();
    services_.messages.showMessage(copiedMessage(outcome, *folder));
}

bool viewPhotoAlbum(const PhotoServices& services, ViewerReading& reading, PhotoAlbumView& view)
{
    std::optional<PhotoAlbum> album = readPhotoAlbum(reading);
    if (!reading.finish())
        return false;
    if (!album) {
        services.messages.showMessage("No photos on this stick");
        return false;
    }
    PhotoAlbumModel model(std::move(*album), services);
    view.runModal(model);
    return true;
}

}  // namespace morvane
