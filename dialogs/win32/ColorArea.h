// ColorArea: a static control of the colour dialog, taken over so that it paints its
// colour's grid of swatches itself.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/ColorDialogView.h"

namespace morvane::win32 {

class ColorArea {
public:
    ColorArea() = default;
    ColorArea(const ColorArea&) = delete;
    ColorArea& operator=(const ColorArea&) = delete;

    // From now until the control is destroyed, `control` paints colour `number` through
    // `painter`, which must outlive it.
    void attach(HWND control, std::size_t number, const ColorAreaPainter& painter);

private:
    static LRESULT CALLBACK subclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR self);
    void paint(HDC dc) const;

    HWND control_ = nullptr;
    std::size_t number_ = 0;
    const ColorAreaPainter* painter_ = nullptr;
};

}  // namespace morvane::win32
