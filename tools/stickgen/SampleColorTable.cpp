// Eight colours the sample dog knows: two ranges of its pink ball, yellow, skin, a
// favourite blue, an unloved green, orange and purple. Each colour is a direction in
// the U-V plane around grey (128, 128); its range grows with the slice's brightness,
// as colours carry more chroma in bright light.
#include "tools/stickgen/SampleStickParts.h"

#include <algorithm>

#include "tools/stickgen/ColorTable.h"

namespace morvane::stickgen {
namespace {

struct Hue {
    int du;  // U offset from grey at full brightness
    int dv;  // V offset from grey at full brightness
};

constexpr std::array<Hue, kColorCount> kSampleHues{{
    {20, 60},
    {28, 48},
    {-60, 20},
    {-18, 30},
    {60, -25},
    {-40, -45},
    {-40, 55},
    {40, 35},
}};

std::uint8_t clampedByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

ColorSliceRange sliceRange(const Hue& hue, int slice)
{
    const int scale = 8 + slice;  // out of 40
    const int u = 128 + hue.du * scale / 40;
    const int v = 128 + hue.dv * scale / 40;
    const int half = 4 + slice / 4;
    return {clampedByte(u - half), clampedByte(u + half), clampedByte(v - half), clampedByte(v + half)};
}

}  // namespace

StickImageFile sampleColorTableFile()
{
    ColorRanges colors{};
    for (std::size_t k = 0; k < kColorCount; ++k) {
        for (std::size_t s = 0; s < kSliceCount; ++s)
            colors[k][s] = sliceRange(kSampleHues[k], static_cast<int>(s));
    }
    return {"OPEN-R\\APP\\DATA\\P\\tr.ct", encodeColorTable(colors)};
}

}  // namespace morvane::stickgen
