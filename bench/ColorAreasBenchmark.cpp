// Painting the colour dialog's eight areas, as on every repaint: the 768 cells with
// their geometry and colours, onto a canvas that only takes the rectangles.
#include <benchmark/benchmark.h>

#include "dialogs/ColorDialogModel.h"

namespace {

class CountingCanvas final : public morvane::Canvas {
public:
    void fillRect(const morvane::PixelRect& rect, morvane::RgbColor color) override
    {
        sum += static_cast<std::uint32_t>(rect.right) + color;
    }
    void setPixel(int, int, morvane::RgbColor) override {}
    std::uint32_t sum = 0;
};

void paintEightAreas(benchmark::State& state)
{
    morvane::ColorTable table{};
    for (std::size_t k = 0; k < morvane::kColorCount; ++k) {
        for (std::size_t s = 0; s < morvane::kSliceCount; ++s) {
            const auto value = static_cast<std::int32_t>((k * 37 + s * 11) % 256);
            table[k][s] = {value, 255 - value, value / 2, 128};
        }
    }
    const morvane::ColorDialogModel painter(table);
    // The areas' client rectangles at 96 dpi: 283 x 46 pixels.
    const morvane::PixelRect client{0, 0, 283, 46};
    CountingCanvas canvas;
    for (auto _ : state) {
        for (std::size_t area = 0; area < morvane::ColorAreaPainter::kAreaCount; ++area)
            painter.paintArea(area, client, canvas);
    }
    benchmark::DoNotOptimize(canvas.sum);
}
BENCHMARK(paintEightAreas)->Unit(benchmark::kMicrosecond);

// The baseline: the same 768 rectangles handed to the canvas in one colour, without the
// cell geometry or the colour arithmetic.
void fillEightAreasBaseline(benchmark::State& state)
{
    constexpr int kCells = static_cast<int>(morvane::ColorAreaPainter::kAreaCount) * 32 * 3;
    CountingCanvas counting;
    morvane::Canvas* canvas = &counting;
    for (auto _ : state) {
        benchmark::DoNotOptimize(canvas);  // a canvas the compiler cannot see through
        for (int cell = 0; cell < kCells; ++cell)
            canvas->fillRect({cell, 0, cell + 9, 15}, 0x808080);
    }
    benchmark::DoNotOptimize(counting.sum);
}
BENCHMARK(fillEightAreasBaseline)->Unit(benchmark::kMicrosecond);

}  // namespace
