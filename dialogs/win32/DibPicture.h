// A picture in the form GDI draws: a top-down 24-bit device-independent bitmap, its rows
// in blue-green-red order, each padded to four bytes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/Canvas.h"
#include "ui/RgbImage.h"

namespace morvane::win32 {

class DibPicture {
public:
    explicit DibPicture(const RgbImage& image);

    int width() const { return info_.bmiHeader.biWidth; }
    int height() const { return -info_.bmiHeader.biHeight; }
    // Draws the picture scaled to `target` on `dc`, smoothly (HALFTONE) where it is scaled.
    void draw(HDC dc, const PixelRect& target) const;
    // A bitmap of the picture, for an image list; the caller deletes it. Null when GDI has
    // no room for it.
    HBITMAP createBitmap() const;

private:
    BITMAPINFO info_{};
    std::vector<std::uint8_t> bits_;
};

}  // namespace morvane::win32
