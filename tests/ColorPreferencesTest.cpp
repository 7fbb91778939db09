// The colour preferences viewer: reading tr.ct, the swatch colours, the cell grid of an
// area of any size, and the command's messages.
#include <gtest/gtest.h>

#include "dialogs/ColorCells.h"
#include "dialogs/ColorPreferencesViewer.h"
#include "dialogs/SwatchColor.h"
#include "tests/support/InStickDirectory.h"
#include "tests/support/ScriptedUi.h"
#include "tools/stickgen/ColorTable.h"
#include "ui/ImageCanvas.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

ColorTable tableWith(std::size_t colour, std::size_t slice, ColorSlice entry)
{
    ColorTable table{};
    table[colour][slice] = entry;
    return table;
}

TEST(SwatchColorTest, NeutralChromaIsAGreyRampFromDarkToBright)
{
    ColorTable table{};
    for (auto& slice : table[5])
        slice = ColorSlice{128, 128, 128, 128};
    for (std::size_t s = 0; s < kSliceCount; ++s) {
        const auto grey = static_cast<std::uint8_t>(8 * s + 7);
        for (std::size_t row = 0; row < kSwatchRows; ++row)
            EXPECT_EQ(swatchColor(table, 5, s, row), rgbColor(grey, grey, grey)) << s << ' ' << row;
    }
}

TEST(SwatchColorTest, ConvertsInDoublePrecisionAndTruncates)
{
    // Slice 16 (Y = 135), U = 100, V = 200: R 236.34, G 93.0572, B 85.188.
    const ColorTable table = tableWith(2, 16, ColorSlice{200, 0, 100, 0});
    EXPECT_EQ(swatchColor(table, 2, 16, 0), rgbColor(236, 93, 85));
}

TEST(SwatchColorTest, ClampsAtBothEnds)
{
    EXPECT_EQ(swatchColor(tableWith(0, 31, ColorSlice{255, 0, 128, 0}), 0, 31, 0) & 0xFF, 255u);
    EXPECT_EQ(swatchColor(tableWith(0, 0, ColorSlice{0, 0, 128, 0}), 0, 0, 0) & 0xFF, 0u);
    // U = 0 in slice 0: B = 7 - 128 x 1.779 is cut to 0, G = 7 + 44.224 to 51.
    EXPECT_EQ(swatchColor(tableWith(0, 0, ColorSlice{128, 0, 0, 0}), 0, 0, 0), rgbColor(7, 51, 0));
}

TEST(SwatchColorTest, RowsUseTheFirstEndsTheMidpointsAndTheSecondEnds)
{
    // Row 1 with U 10..13 uses U = 11, with V 128..131 uses V = 129.
    const ColorTable table = tableWith(7, 0, ColorSlice{128, 131, 10, 13});
    const auto withUv = [](int u, int v) {
        return swatchColor(tableWith(0, 0, ColorSlice{v, v, u, u}), 0, 0, 0);
    };
    EXPECT_EQ(swatchColor(table, 7, 0, 0), withUv(10, 128));
    EXPECT_EQ(swatchColor(table, 7, 0, 1), withUv(11, 129));
    EXPECT_EQ(swatchColor(table, 7, 0, 2), withUv(13, 131));
}

TEST(ColorCellsTest, CellsTileAnyAreaWithColumnsOfUnequalWidth)
{
    const PixelRect client{5, 7, 5 + 283, 7 + 46};
    EXPECT_EQ(colorCell(client, 0, 0), (PixelRect{5, 7, 5 + 8, 7 + 15}));
    EXPECT_EQ(colorCell(client, 1, 1), (PixelRect{5 + 8, 7 + 15, 5 + 17, 7 + 30}));
    EXPECT_EQ(colorCell(client, 31, 2), (PixelRect{5 + 274, 7 + 30, 5 + 283, 7 + 46}));
    // Every pixel of the area lies in exactly one cell.
    std::vector<int> covered(static_cast<std::size_t>(client.width() * client.height()));
    for (std::size_t column = 0; column < kSliceCount; ++column) {
        for (std::size_t row = 0; row < kSwatchRows; ++row) {
            const PixelRect cell = colorCell(client, column, row);
            for (int y = cell.top; y < cell.bottom; ++y) {
                for (int x = cell.left; x < cell.right; ++x)
                    ++covered[static_cast<std::size_t>((y - client.top) * client.width() + x - client.left)];
            }
        }
    }
    EXPECT_EQ(std::count(covered.begin(), covered.end(), 1), static_cast<std::ptrdiff_t>(covered.size()));
}

// Paints every area into a 32 x 3 image (one pixel per cell) when the dialog opens.
class OnePixelPerCellView : public ColorDialogView {
public:
    void runModal(const ColorAreaPainter& painter) override
    {
        for (std::size_t area = 0; area < ColorAreaPainter::kAreaCount; ++area) {
            areas.emplace_back(PixelRect{0, 0, 32, 3});
            painter.paintArea(area, {0, 0, 32, 3}, areas.back());
        }
    }
    std::vector<ImageCanvas> areas;
};

class ColorPreferencesViewerTest : public test::InStickDirectory {
protected:
    test::UiLog log;
    test::RecordingMessages messages{log};
    OnePixelPerCellView view;
};

TEST_F(ColorPreferencesViewerTest, PaintsEachAreaWithItsOwnColourFromTheFile)
{
    stickgen::ColorRanges ranges{};
    for (std::size_t k = 0; k < kColorCount; ++k) {
        for (std::size_t s = 0; s < kSliceCount; ++s)
            ranges[k][s] = {static_cast<std::uint8_t>(10 * k), static_cast<std::uint8_t>(s), 128,
                            static_cast<std::uint8_t>(255 - k)};
    }
    std::vector<std::uint8_t> file = stickgen::encodeColorTable(ranges);
    file.resize(1280);
    stick.write("OPEN-R\\APP\\DATA\\P\\TR.CT", file);
    ASSERT_TRUE(viewColorPreferences(messages, view));
    ASSERT_EQ(view.areas.size(), 8u);
    ColorTable table{};
    ASSERT_TRUE(decodeColorTable(file, table));
    EXPECT_EQ(table[3][9].u1, 30);
    EXPECT_EQ(table[3][9].u2, 9);
    EXPECT_EQ(table[3][9].v2, 252);
    for (std::size_t k = 0; k < kColorCount; ++k) {
        for (int s = 0; s < 32; ++s) {
            for (int row = 0; row < 3; ++row)
                EXPECT_EQ(view.areas[k].pixel(s, row),
                          swatchColor(table, k, static_cast<std::size_t>(s), static_cast<std::size_t>(row)));
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ColorPreferencesViewerTest, AMissingOrShortFileShowsItsMessageAndNoDialog)
{
    EXPECT_FALSE(viewColorPreferences(messages, view));
    stick.write("OPEN-R\\APP\\DATA\\P\\tr.ct", std::vector<std::uint8_t>(1279, 128));
    EXPECT_FALSE(viewColorPreferences(messages, view));
    EXPECT_EQ(messages.shown, (Lines{"Failed to open TR.CT file", "Failed to parse TR.CT file"}));
    EXPECT_TRUE(view.areas.empty());
}

}  // namespace
}  // namespace morvane
