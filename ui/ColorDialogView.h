// The seam for the colour preferences viewer: eight areas, each painted by the viewer
// whenever the window system asks for it. ColorAreaPainter is the viewer's model; a
// ColorDialogView shows it modally.
#pragma once

#include <cstddef>

#include "ui/Canvas.h"

namespace morvane {

class ColorAreaPainter {
public:
    static constexpr std::size_t kAreaCount = 8;

    virtual ~ColorAreaPainter() = default;
    // Paints all of the client rectangle `client` of area `area` (0 to 7, top area
    // first) onto `canvas`.
    virtual void paintArea(std::size_t area, const PixelRect& client, Canvas& canvas) const = 0;
};

class ColorDialogView {
public:
    virtual ~ColorDialogView() = default;
    // Shows the dialog until the user closes it.
    virtual void runModal(const ColorAreaPainter& painter) = 0;
};

}  // namespace morvane
