// YUV to RGB with the robot camera's coefficients, in double precision and in a fixed
// order, so that every platform paints the same colours; each channel is cut toward zero
// and then kept within 0 to 255.
#include "dialogs/SwatchColor.h"

#include <algorithm>

namespace morvane {
namespace {

struct Chroma {
    int u;
    int v;
};

Chroma rowChroma(const ColorSlice& slice, std::size_t row)
{
    switch (row) {
    case 0:
        return {slice.u1, slice.v1};
    case 1:
        return {(slice.u1 + slice.u2) / 2, (slice.v1 + slice.v2) / 2};
    default:
        return {slice.u2, slice.v2};
    }
}

std::uint8_t channel(double value)
{
    const double truncated = std::clamp(value, -1.0, 256.0);  // keeps the cast below defined
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(truncated), 0, 255));
}

}  // namespace

RgbColor swatchColor(const ColorTable& table, std::size_t colour, std::size_t slice, std::size_t row)
{
    const Chroma chroma = rowChroma(table.at(colour).at(slice), row);
    const double du = chroma.u - 128;
    const double dv = chroma.v - 128;
    const double y = static_cast<double>(8 * slice + 7);
    const double red = y + dv * 1.4075;
    const double green = (y - du * 0.3455) - dv * 0.7169;
    const double blue = y + du * 1.779;
    return rgbColor(channel(red), channel(green), channel(blue));
}

}  // namespace morvane
