// The canvas paints pixels and rectangles only, so the chart's lines are drawn here, point
// by point (Bresenham's line), the same on every canvas: a window's and a PNG's pixels
// are the same.
#include "pc/DiaryChart.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

namespace morvane {
namespace {

constexpr int kMargin = 10;
constexpr RgbColor kBackground = rgbColor(255, 255, 255);
constexpr RgbColor kGrid = rgbColor(225, 225, 225);
constexpr RgbColor kAxis = rgbColor(120, 120, 120);
constexpr PixelRect kPlot{kMargin, kMargin, kDiaryChartWidth - kMargin, kDiaryChartHeight - kMargin};

void drawLine(Canvas& canvas, int x0, int y0, int x1, int y1, RgbColor color)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    for (int error = dx + dy;;) {
        canvas.setPixel(x0, y0, color);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

// The value of `path` on each day that was read, as a number from 0 to `most`, or none:
// a value the chart cannot place truly (a skill level over 100%, a count below 0) leaves a
// gap rather than being drawn at the edge as if it were the edge's value.
std::vector<std::optional<long long>> values(const std::vector<const DiaryDay*>& days, const char* path,
                                             long long most)
{
    std::vector<std::optional<long long>> found;
    for (const DiaryDay* day : days) {
        const std::optional<std::string_view> text = diaryValue(*day, path);
        std::optional<long long> value;
        if (text && isDiaryNumber(*text) && text->size() <= 12)
            value = std::stoll(std::string(*text));
        found.push_back(value && *value >= 0 && *value <= most ? value : std::nullopt);
    }
    return found;
}

void drawFrame(Canvas& canvas)
{
    canvas.fillRect({0, 0, kDiaryChartWidth, kDiaryChartHeight}, kBackground);
    for (int quarter = 1; quarter <= 4; ++quarter) {
        const int y = kPlot.bottom - 1 - (kPlot.height() - 1) * quarter / 4;
        canvas.fillRect({kPlot.left, y, kPlot.right, y + 1}, kGrid);
    }
    canvas.fillRect({kPlot.left, kPlot.top, kPlot.left + 1, kPlot.bottom}, kAxis);
    canvas.fillRect({kPlot.left, kPlot.bottom - 1, kPlot.right, kPlot.bottom}, kAxis);
}

// One series scaled so that `top` reaches the plot's top; a day without a value breaks the line.
void drawSeries(Canvas& canvas, const std::vector<std::optional<long long>>& series, long long top,
                RgbColor color)
{
    const auto count = static_cast<int>(series.size());
    std::optional<std::pair<int, int>> previous;
    for (int day = 0; day < count; ++day) {
        if (!series[static_cast<std::size_t>(day)]) {
            previous.reset();
            continue;
        }
        const long long value = *series[static_cast<std::size_t>(day)];
        const int x = count == 1 ? (kPlot.left + kPlot.right) / 2
                                 : kPlot.left + 1 + (kPlot.width() - 2) * day / (count - 1);
        const int y = kPlot.bottom - 2 - static_cast<int>((kPlot.height() - 3) * value / top);
        if (previous)
            drawLine(canvas, previous->first, previous->second, x, y, color);
        canvas.fillRect({x - 1, y - 1, x + 2, y + 2}, color);
        previous = {x, y};
    }
}

}  // namespace

void drawDiaryChart(const Diary& diary, Canvas& canvas)
{
    drawFrame(canvas);
    std::vector<const DiaryDay*> read;
    for (const DiaryEntry& entry : diary.days)
        if (entry.state == DiaryEntry::State::Ok)
            read.push_back(&entry.day());
    for (const DiaryChartSeries& series : kDiaryChartSeries) {
        const bool isTime = series.path == kDiaryChartSeries[0].path;
        const std::vector<std::optional<long long>> points =
            values(read, series.path, isTime ? std::numeric_limits<long long>::max() : 10000);
        long long top = 10000;  // a skill level's 100%
        if (isTime) {
            top = 1;
            for (const std::optional<long long>& point : points)
                top = std::max(top, point.value_or(0));
        }
        drawSeries(canvas, points, top, series.color);
    }
}

}  // namespace morvane
