// Making room in a window for a control that has a size of its own in pixels (a chart drawn
// at a fixed size) where the window's layout gave it a slot in dialog units, which come to
// different pixels on each system: what lies to the right of the slot moves by the change
// in width, what lies below by the change in height, and what reaches the slot's right or
// bottom edge stretches with it.
#pragma once

#include "ui/Canvas.h"

namespace morvane {

// Where `control` goes when `slot` becomes `grown` (same top left corner).
inline PixelRect madeRoom(const PixelRect& control, const PixelRect& slot, const PixelRect& grown)
{
    const int across = grown.right - slot.right;
    const int down = grown.bottom - slot.bottom;
    return {control.left + (control.left >= slot.right ? across : 0),
            control.top + (control.top >= slot.bottom ? down : 0),
            control.right + (control.right >= slot.right ? across : 0),
            control.bottom + (control.bottom >= slot.bottom ? down : 0)};
}

}  // namespace morvane
