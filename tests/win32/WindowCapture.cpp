// Window captures: BitBlt from the window DC of what the window's own thread has painted,
// repeated until two copies a moment apart agree (a window that has just appeared is still
// being shown and painted: a dialog's OK button was missing from some copies). The copy
// does not repaint the window itself: a repaint forced from this thread raced the
// program's own painting, and the Skill Levels dialog lost its "Presets:" box in one run
// of two. The copies are read back as 24-bit pixels (Wine leaves the alpha of 32-bit
// captures at zero) and saved through the program's PNG writer.
#include "tests/win32/WindowCapture.h"
#include "cli/PictureFile.h"

#include <utility>
#include <vector>

namespace morvane::test {
namespace {

// The pixels of `bitmap`, which is not selected into any device context.
ImageCanvas readBitmap(HDC dc, HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> pixels(stride * static_cast<std::size_t>(height));  // bottom-up rows of BGR
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ImageCanvas image({0, 0, width, height});
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = &pixels[stride * static_cast<std::size_t>(height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* bgr = row + 3 * x;
            image.setPixel(x, y, rgbColor(bgr[2], bgr[1], bgr[0]));
        }
    }
    return image;
}

// Paints into a bitmap compatible with `window`'s device context through `paint`, which
// is given a memory DC, and answers the bitmap's pixels.
template <typename Paint>
ImageCanvas paintedPixels(HWND window, int width, int height, Paint paint)
{
    HDC windowDc = GetWindowDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    paint(memoryDc, windowDc);
    SelectObject(memoryDc, previous);
    ImageCanvas image = readBitmap(memoryDc, bitmap, width, height);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return image;
}

// The window as it shows now, frame included, once its thread has taken the messages sent
// before.
ImageCanvas copyWindow(HWND window)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    return paintedPixels(window, width, height, [&](HDC memoryDc, HDC windowDc) {
        BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    });
}

}  // namespace

bool captureWindow(HWND window, const std::filesystem::path& png)
{
    constexpr int kSettleMilliseconds = 100;
    constexpr int kAttempts = 100;
    ImageCanvas previous = copyWindow(window);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Sleep(kSettleMilliseconds);
        ImageCanvas current = copyWindow(window);
        if (current.rgbBytes() == previous.rgbBytes())
            return cli::writePictureFile(current, png);
        previous = std::move(current);
    }
    return false;
}

ImageCanvas printClient(HWND control)
{
    RECT client;
    GetClientRect(control, &client);
    return paintedPixels(control, client.right, client.bottom, [&](HDC memoryDc, HDC) {
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memoryDc),
                     PRF_CLIENT | PRF_ERASEBKGND);
    });
}

}  // namespace morvane::test
