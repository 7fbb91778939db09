// A Canvas over a Win32 device context, in the coordinates of the context.
#pragma once

#include <windows.h>

#include "ui/Canvas.h"

namespace morvane::win32 {

class DeviceContextCanvas final : public Canvas {
public:
    // Draws on `dc`, which stays the caller's to release.
    explicit DeviceContextCanvas(HDC dc) : dc_(dc) {}

    void fillRect(const PixelRect& rect, RgbColor color) override;
    void setPixel(int x, int y, RgbColor color) override;

private:
    HDC dc_;
};

}  // namespace morvane::win32
