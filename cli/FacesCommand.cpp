// morvane-cli faces STICK [--png DIR]: the human faces viewer, every face listed and,
// with --png, every picture drawn as the viewer draws it on selection.
#include <array>

#include "base/Utf8Path.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/PictureFile.h"
#include "cli/StickArgument.h"
#include "cli/StreamMessages.h"
#include "dialogs/HumanFacesViewer.h"
#include "ui/ImageCanvas.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"--png", true}}};
// The picture inside the viewer's picture area: 135 x 80 pixels from (10, 10).
constexpr PixelRect kPictureBounds{10, 10, 145, 90};

class PrintingFaceView final : public FaceDialogView {
public:
    PrintingFaceView(std::ostream& out, std::ostream& err, std::optional<std::filesystem::path> pngDirectory)
        : out_(out), err_(err), pngDirectory_(std::move(pngDirectory))
    {
    }

    void runModal(const FaceRecords& faces) override
    {
        for (std::size_t record = 0; record < faces.faceCount(); ++record) {
            out_ << record << ' ' << faces.faceName(record) << '\n';
            if (pngDirectory_)
                writePicture(faces, record);
        }
    }

    bool picturesWritten = true;

private:
    void writePicture(const FaceRecords& faces, std::size_t record)
    {
        ImageCanvas picture(kPictureBounds);
        faces.drawFace(record, picture);
        const std::filesystem::path path = *pngDirectory_ / ("face-" + std::to_string(record) + ".png");
        if (!writePictureFile(picture, path)) {
            err_ << "morvane-cli: cannot write " << utf8Text(path) << '\n';
            picturesWritten = false;
        }
    }

    std::ostream& out_;
    std::ostream& err_;
    std::optional<std::filesystem::path> pngDirectory_;
};

}  // namespace

int runFaces(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("faces", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    const std::optional<std::filesystem::path> pngDirectory = pathOption(*parsed, "--png");
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    if (outputInsideStick("faces", "--png", pngDirectory, stick, context.err))
        return kExitUsage;
    StreamMessages messages(context.err);
    PrintingFaceView view(context.out, context.err, pngDirectory);
    if (pngDirectory) {
        std::error_code ignored;  // a directory that cannot be made shows as unwritable pictures
        std::filesystem::create_directories(*pngDirectory, ignored);
    }
    if (!viewHumanFaces(messages, view))
        return kExitNotProduced;
    return view.picturesWritten ? kExitOk : kExitNotProduced;
}

}  // namespace morvane::cli
