#include "dialogs/SliderPositions.h"

#include <algorithm>

namespace morvane {

SliderPositions::SliderPositions(int maximum, const SliderValues& positions) : maximum_(maximum)
{
    setAll(positions);
}

void SliderPositions::set(std::size_t slider, int position)
{
    positions_.at(slider) = std::clamp(position, 0, maximum_);
}

void SliderPositions::setAll(const SliderValues& positions)
{
    for (std::size_t slider = 0; slider < positions.size(); ++slider)
        set(slider, positions[slider]);
}

}  // namespace morvane
