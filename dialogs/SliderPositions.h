// The four slider positions an editor dialog holds, each kept within 0 to a maximum,
// as a slider control keeps its thumb within its range.
#pragma once

#include <array>
#include <cstddef>

#include "ui/SliderDialogView.h"

namespace morvane {

using SliderValues = std::array<int, SliderControls::kSliderCount>;

class SliderPositions {
public:
    SliderPositions(int maximum, const SliderValues& positions);

    int maximum() const { return maximum_; }
    int at(std::size_t slider) const { return positions_.at(slider); }
    // A position outside 0 to the maximum lands at the nearer end.
    void set(std::size_t slider, int position);
    void setAll(const SliderValues& positions);

private:
    int maximum_;
    SliderValues positions_{};
};

}  // namespace morvane
