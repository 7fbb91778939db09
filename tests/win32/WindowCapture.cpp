// Window captures: BitBlt from the window DC after a synchronous repaint (a window that
// has just appeared may not be painted yet), read back as 24-bit pixels (Wine leaves the
// alpha of 32-bit captures at zero) and saved through morvane-cli's PNG writer.
#include "tests/win32/WindowCapture.h"

#include <vector>

#include "cli/ImageCanvas.h"
#include "cli/PngFile.h"

namespace morvane::test {
namespace {

// Bottom-up rows of blue, green, red, each row padded to four bytes.
std::vector<std::uint8_t> windowPixels(HWND window, int width, int height)
{
    HDC windowDc = GetWindowDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, previous);

    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> pixels(stride * static_cast<std::size_t>(height));
    GetDIBits(memoryDc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return pixels;
}

}  // namespace

bool captureWindow(HWND window, const std::filesystem::path& png)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const std::vector<std::uint8_t> pixels = windowPixels(window, width, height);
    const std::size_t stride = pixels.size() / static_cast<std::size_t>(height);
    cli::ImageCanvas image({0, 0, width, height});
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = &pixels[stride * static_cast<std::size_t>(height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* bgr = row + 3 * x;
            image.setPixel(x, y, rgbColor(bgr[2], bgr[1], bgr[0]));
        }
    }
    return cli::writePngFile(image, png);
}

}  // namespace morvane::test
