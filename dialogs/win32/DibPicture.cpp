#include "dialogs/win32/DibPicture.h"

#include <algorithm>

namespace morvane::win32 {
namespace {

std::size_t rowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

}  // namespace

DibPicture::DibPicture(const RgbImage& image)
{
    info_.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info_.bmiHeader.biWidth = image.width;
    info_.bmiHeader.biHeight = -image.height;  // rows from the top
    info_.bmiHeader.biPlanes = 1;
    info_.bmiHeader.biBitCount = 24;
    info_.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = rowBytes(image.width);
    bits_.assign(stride * static_cast<std::size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* from = image.rgb.data() + static_cast<std::size_t>(y) * image.width * 3;
        std::uint8_t* to = bits_.data() + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < image.width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
}

void DibPicture::draw(HDC dc, const PixelRect& target) const
{
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT oldOrigin{};
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);  // HALFTONE asks for the brush origin to be set after it
    StretchDIBits(dc, target.left, target.top, target.width(), target.height(), 0, 0, width(), height(),
                  bits_.data(), &info_, DIB_RGB_COLORS, SRCCOPY);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
}

HBITMAP DibPicture::createBitmap() const
{
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info_, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap != nullptr)
        std::copy(bits_.begin(), bits_.end(), static_cast<std::uint8_t*>(pixels));
    return bitmap;
}

}  // namespace morvane::win32
