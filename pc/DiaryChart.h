// The diary's growth chart: the four skill levels (0 to 100%) and the operation time (to
// the largest of the diary's, its units unknown) over the days that were read, the oldest
// at the left. The Diary window paints it, and morvane-cli diary --png writes it.
#pragma once

#include "pc/Diary.h"
#include "ui/Canvas.h"

namespace morvane {

inline constexpr int kDiaryChartWidth = 640;
inline constexpr int kDiaryChartHeight = 320;

struct DiaryChartSeries {
    const char* path;  // the day's element, e.g. "SKILL/BALL"
    const char* label;
    RgbColor color;
};

// The lines of the chart, in the order they are drawn: the operation time first, under the
// skill levels.
inline constexpr DiaryChartSeries kDiaryChartSeries[] = {
    {"STATISTICS/OPERATION_TIME", "Operation time", rgbColor(150, 150, 150)},
    {"SKILL/BALL", "Ball", rgbColor(220, 50, 47)},
    {"SKILL/BONE", "Bone", rgbColor(38, 139, 210)},
    {"SKILL/WALK", "Walk", rgbColor(133, 153, 0)},
    {"SKILL/BABY", "Baby", rgbColor(211, 54, 130)},
};

// Paints the chart into the rectangle (0, 0)-(kDiaryChartWidth, kDiaryChartHeight).
void drawDiaryChart(const Diary& diary, Canvas& canvas);

}  // namespace morvane
