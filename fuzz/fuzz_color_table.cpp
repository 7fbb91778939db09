// Fuzz target of the colour table: the input is a whole tr.ct. A table that decodes is
// painted into areas of sizes taken from the input; the cells must tile each area
// exactly, never painting outside it.
#include <span>

#include "dialogs/ColorDialogModel.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"

namespace {

using namespace morvane;

// Checks each cell against the area and counts the pixels painted.
class AreaCheckingCanvas final : public Canvas {
public:
    explicit AreaCheckingCanvas(const PixelRect& area) : area_(area) {}
    void fillRect(const PixelRect& rect, RgbColor) override
    {
        requireFuzz(rect.left >= area_.left && rect.top >= area_.top && rect.right <= area_.right &&
                        rect.bottom <= area_.bottom && rect.left <= rect.right && rect.top <= rect.bottom,
                    "a cell lies outside its area");
        painted += static_cast<long long>(rect.width()) * rect.height();
    }
    void setPixel(int, int, RgbColor) override { requireFuzz(false, "an area sets single pixels"); }
    long long painted = 0;

private:
    PixelRect area_;
};

PixelRect areaFromInput(std::span<const std::uint8_t> bytes, std::size_t area)
{
    const int left = bytes[area] - 128;
    const int top = bytes[area + 8] - 128;
    const int width = bytes[area + 16] * 4 + bytes[area + 24] % 4;
    const int height = bytes[area + 32] + bytes[area + 40] % 2;
    return {left, top, left + width, top + height};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    ColorTable table{};
    if (!decodeColorTable(bytes, table))
        return 0;
    const ColorDialogModel painter(table);
    for (std::size_t area = 0; area < ColorAreaPainter::kAreaCount; ++area) {
        const PixelRect client = areaFromInput(bytes, area);
        AreaCheckingCanvas canvas(client);
        painter.paintArea(area, client, canvas);
        requireFuzz(canvas.painted == static_cast<long long>(client.width()) * client.height(),
                    "the cells do not cover their area exactly");
    }
    return 0;
}
