// morvane-cli photos STICK [--out DIR]: the robot's photo album, and its photos copied out
// named and dated by when they were taken.
#include <array>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/StickArgument.h"
#include "cli/TerminalProgress.h"
#include "pc/PhotoAlbum.h"
#include "pc/PhotoCopy.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"--out", true}}};

bool copyPhotos(const PhotoAlbum& album, const std::filesystem::path& folder, std::ostream& err)
{
    bool allCopied = true;
    for (const AlbumPhoto& photo : album.photos) {
        if (!photo.present)
            continue;
        if (const std::optional<std::string> failure = copyPhoto(photo, folder)) {
            err << "morvane-cli: " << *failure << '\n';
            allCopied = false;
        }
    }
    return allCopied;
}

}  // namespace

int runPhotos(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("photos", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    const std::optional<std::filesystem::path> outFolder = pathOption(*parsed, "--out");
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    if (outputInsideStick("photos", "--out", outFolder, stick, context.err))
        return kExitUsage;
    std::optional<PhotoAlbum> album;
    if (!readShowingProgress(context.err, context.errIsTerminal, "reading the album",
                             [&album](ReadProgress& progress) { album = readPhotoAlbum(progress); }))
        return kExitNotProduced;
    if (!album) {
        context.err << "No photos on this stick\n";
        return kExitNotProduced;
    }
    for (const std::string& problem : album->problems)
        context.err << problem << '\n';
    if (album->photos.empty()) {
        context.err << "No photos on this stick\n";
        return kExitNotProduced;
    }
    for (const AlbumPhoto& photo : album->photos)
        context.out << albumLine(photo) << '\n';
    if (outFolder && !copyPhotos(*album, *outFolder, context.err))
        return kExitNotProduced;
    return kExitOk;
}

}  // namespace morvane::cli
