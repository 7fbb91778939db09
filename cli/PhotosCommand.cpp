// morvane-cli photos STICK [--out DIR]: the robot's photo album, and its photos copied out
// named and dated by when they were taken.
#include <array>
#include <variant>

#include "base/Utf8Path.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/PcFileCopy.h"
#include "cli/StickArgument.h"
#include "pc/PhotoAlbum.h"
#include "pc/PhotoCaptureTime.h"
#include "stick/StickFileContent.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"--out", true}}};

// "2017-03-28_192010_IMG00001.JPG"; the name alone when nothing says when it was taken.
std::string copyName(const AlbumPhoto& photo)
{
    if (photo.date.find('?') != std::string::npos || photo.time.find('?') != std::string::npos)
        return photo.file;
    std::string time = photo.time;
    std::erase(time, ':');
    return photo.date + "_" + time + "_" + photo.file;
}

// The capture time as a file time, read as the robot's own clock: the local time.
std::optional<std::filesystem::file_time_type> fileTime(std::span<const std::uint8_t> jpeg)
{
    const std::variant<CaptureTime, std::string> read = readCaptureTime(jpeg);
    const auto* captured = std::get_if<CaptureTime>(&read);
    if (captured == nullptr)
        return std::nullopt;
    std::tm local{};
    local.tm_year = captured->year - 1900;
    local.tm_mon = captured->month - 1;
    local.tm_mday = captured->day;
    local.tm_hour = captured->hour;
    local.tm_min = captured->minute;
    local.tm_sec = captured->second;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    if (when == static_cast<std::time_t>(-1))
        return std::nullopt;
    return std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(when));
}

bool copyPhotos(const PhotoAlbum& album, const std::filesystem::path& folder, std::ostream& err)
{
    bool allCopied = true;
    for (const AlbumPhoto& photo : album.photos) {
        if (!photo.present)
            continue;
        const StickFileContent content = readStickFileContent(photoPath(photo), kLargestPhoto);
        if (content.outcome != StickFileContent::Outcome::Read) {
            err << "morvane-cli: cannot read " << photo.file << "; it was not copied\n";
            allCopied = false;
            continue;
        }
        allCopied =
            writeFileOut(folder / utf8Path(copyName(photo)), content.bytes, fileTime(content.bytes), err) &&
            allCopied;
    }
    return allCopied;
}

}  // namespace

int runPhotos(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("photos", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    const std::optional<PhotoAlbum> album = readPhotoAlbum();
    if (!album) {
        context.err << "No photos on this stick\n";
        return kExitNotProduced;
    }
    for (const std::string& problem : album->problems)
        context.err << problem << '\n';
    for (const AlbumPhoto& photo : album->photos)
        context.out << albumLine(photo) << '\n';
    const auto out = parsed->options.find("--out");
    if (out != parsed->options.end() && !copyPhotos(*album, outputPath(out->second), context.err))
        return kExitNotProduced;
    return kExitOk;
}

}  // namespace morvane::cli
