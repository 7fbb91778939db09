#include "pc/PhotoAlbum.h"

#include <algorithm>
#include <variant>

#include "base/AsciiCase.h"
#include "pc/FileIndex.h"
#include "pc/PhotoCaptureTime.h"
#include "stick/StickFileContent.h"
#include "stick/StickFolder.h"
#include "stick/StickPath.h"

namespace morvane {
namespace {

constexpr std::uint64_t kLargestIndex = 4 << 20;

bool isPhotoName(const std::string& name)
{
    const std::string upper = asciiUpperCase(name);
    return upper.starts_with("IMG") && upper.ends_with(".JPG");
}

// The photos of the folder, found by name as a stick path finds them; those the index
// lists are marked so, and the rest are the unlisted ones.
class FolderPhotos {
public:
    explicit FolderPhotos(std::vector<std::string> names)
        : folder_(std::move(names)), listed_(folder_.names().size())
    {
    }
    // Whether the folder holds `file`, which is then listed.
    bool list(const std::string& file)
    {
        const std::optional<std::size_t> at = folder_.find(file);
        if (at)
            listed_[*at] = true;
        return at.has_value();
    }
    std::vector<std::string> unlisted() const
    {
        std::vector<std::string> names;
        for (std::size_t at = 0; at < listed_.size(); ++at) {
            if (!listed_[at])
                names.push_back(folder_.names()[at]);
        }
        return names;
    }

private:
    FolderNames folder_;
    std::vector<bool> listed_;
};

// The listed photos, each marked present when the folder holds it.
void readIndex(PhotoAlbum& album, FolderPhotos& folder)
{
    const StickFileContent content = readStickFileContent(kPhotoIndexPath, kLargestIndex);
    if (content.outcome == StickFileContent::Outcome::Missing)
        return;
    if (content.outcome != StickFileContent::Outcome::Read) {
        album.problems.push_back(slashedStickPath(kPhotoIndexPath) +
                                 (content.outcome == StickFileContent::Outcome::TooLarge
                                      ? ": larger than 4 MB, not read"
                                      : ": cannot be read"));
        return;
    }
    FileIndex index = readFileIndex(content.bytes);
    if (index.problem)
        album.problems.push_back(slashedStickPath(kPhotoIndexPath) + ": " + *index.problem);
    for (FileIndexEntry& entry : index.entries) {
        AlbumPhoto photo{std::move(entry.category), std::move(entry.file), dashedDate(entry.date),
                         colonTime(entry.time), false};
        photo.present = isPlainFileName(photo.file) && folder.list(photo.file);
        album.photos.push_back(std::move(photo));
    }
}

std::variant<CaptureTime, std::string> captureTimeOf(const StickFileContent& content)
{
    if (content.outcome != StickFileContent::Outcome::Read)
        return std::string("cannot be read");
    return readCaptureTime(content.bytes);
}

// The robot writes the capture time just after the JFIF segment, so the start of a photo
// holds it: only that is read, which spares reading every photo of a slow stick whole
// before the album opens. A photo that does not show it there is read whole.
std::variant<CaptureTime, std::string> unlistedCaptureTime(const std::string& path)
{
    constexpr std::size_t kStartRead = std::size_t{64} * 1024;
    const StickFileContent start = readStickFileStart(path, kStartRead);
    std::variant<CaptureTime, std::string> time = captureTimeOf(start);
    if (std::holds_alternative<CaptureTime>(time) ||
        (start.bytes.size() < kStartRead && !start.bytes.empty()))
        return time;
    return captureTimeOf(readStickFileContent(path, kLargestPhoto));
}

AlbumPhoto unlistedPhoto(std::string file, std::vector<std::string>& problems)
{
    AlbumPhoto photo{"UNLISTED", std::move(file), kUnknownDate, kUnknownTime, true};
    const std::variant<CaptureTime, std::string> time = unlistedCaptureTime(photoPath(photo));
    if (const auto* captured = std::get_if<CaptureTime>(&time)) {
        photo.date = captured->dateText();
        photo.time = captured->timeText();
    } else {
        problems.push_back(slashedStickPath(photoPath(photo)) + ": " + std::get<std::string>(time));
    }
    return photo;
}

}  // namespace

std::optional<PhotoAlbum> readPhotoAlbum(ReadProgress& progress)
{
    const std::optional<std::vector<std::string>> listing = listStickFolder(kPhotoFolder);
    std::vector<std::string> names;
    if (listing)
        std::copy_if(listing->begin(), listing->end(), std::back_inserter(names), isPhotoName);
    FolderPhotos folder(std::move(names));
    PhotoAlbum album;
    readIndex(album, folder);
    std::vector<std::string> unlisted = folder.unlisted();
    for (std::size_t at = 0; at < unlisted.size(); ++at) {
        const std::string path = std::string(kPhotoFolder) + "\\" + unlisted[at];
        if (!progress.reading(slashedStickPath(path), at, unlisted.size()))
            break;
        album.photos.push_back(unlistedPhoto(std::move(unlisted[at]), album.problems));
    }
    if (album.photos.empty() && album.problems.empty())
        return std::nullopt;
    return album;
}

std::string albumLine(const AlbumPhoto& photo)
{
    return photo.category + " " + photo.date + " " + photo.time + " " + photo.file +
           (photo.present ? "" : " (missing)");
}

std::string photoPath(const AlbumPhoto& photo) { return std::string(kPhotoFolder) + "\\" + photo.file; }

std::string thumbnailPath(const AlbumPhoto& photo)
{
    std::string name = photo.file;
    if (asciiUpperCase(name).starts_with("IMG"))
        name.replace(0, 3, name[0] == 'i' ? "thm" : "THM");
    return std::string(kPhotoFolder) + "\\" + name;
}

}  // namespace morvane
