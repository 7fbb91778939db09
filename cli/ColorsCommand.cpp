// morvane-cli colors STICK [--png FILE]: the colour preferences viewer. Each area painted
// 32 x 3 pixels large has exactly one pixel per cell, so the printed colours are what
// the dialog paints.
#include <array>

#include "base/TextFormat.h"
#include "cli/ColorDialogPicture.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/PictureFile.h"
#include "cli/StickArgument.h"
#include "cli/StreamMessages.h"
#include "dialogs/ColorPreferencesViewer.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 1> kOptions{{{"--png", true}}};
constexpr PixelRect kOnePixelPerCell{0, 0, 32, 3};

class PrintingColorView final : public ColorDialogView {
public:
    PrintingColorView(std::ostream& out, std::optional<std::filesystem::path> pngPath)
        : out_(out), pngPath_(std::move(pngPath))
    {
    }

    void runModal(const ColorAreaPainter& painter) override
    {
        for (std::size_t area = 0; area < ColorAreaPainter::kAreaCount; ++area)
            printArea(painter, area);
        if (pngPath_) {
            const ImageCanvas picture = paintColorDialog(painter);
            pngWritten = writePictureFile(picture, *pngPath_);
        }
    }

    bool pngWritten = true;

private:
    void printArea(const ColorAreaPainter& painter, std::size_t area) const
    {
        ImageCanvas cells(kOnePixelPerCell);
        painter.paintArea(area, kOnePixelPerCell, cells);
        for (int row = 0; row < kOnePixelPerCell.bottom; ++row) {
            out_ << area << ' ' << row;
            for (int slice = 0; slice < kOnePixelPerCell.right; ++slice) {
                const RgbColor color = cells.pixel(slice, row);
                out_ << formatText(" %02X%02X%02X", color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
            }
            out_ << '\n';
        }
    }

    std::ostream& out_;
    std::optional<std::filesystem::path> pngPath_;
};

}  // namespace

int runColors(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("colors", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    const std::optional<std::filesystem::path> pngPath = pathOption(*parsed, "--png");
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    if (outputInsideStick("colors", "--png", pngPath, stick, context.err))
        return kExitUsage;
    StreamMessages messages(context.err);
    PrintingColorView view(context.out, pngPath);
    if (!viewColorPreferences(messages, view))
        return kExitNotProduced;
    if (!view.pngWritten) {
        context.err << "morvane-cli: cannot write " << parsed->options.at("--png") << '\n';
        return kExitNotProduced;
    }
    return kExitOk;
}

}  // namespace morvane::cli
