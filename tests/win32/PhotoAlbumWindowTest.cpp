// View > Photo Album in Morvane.exe on a copy of the sample stick: its items are
// morvane-cli's lines, the thumbnails and the opened photo are painted with the very pixels
// stb_image decodes, the photo is scaled smoothly, and Save Photos... copies as photos --out
// does.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <variant>

#include "app/MainWindowCommandIds.h"
#include "base/win32/WideText.h"
#include "dialogs/win32/PhotoAlbumDialogRes.h"
#include "pc/JpegPicture.h"
#include "tests/support/CliRun.h"
#include "tests/support/PaintedPicture.h"
#include "tests/win32/FileDialogDriver.h"
#include "tests/win32/ProgramOnStickCopy.h"
#include "tests/win32/WindowCapture.h"
#include "tools/stickgen/PcFolderFiles.h"

namespace morvane::test {
namespace {

namespace fs = std::filesystem;

// The colours of `painted` as the comparisons read them.
auto pixelsOf(const ImageCanvas& painted)
{
    return [&painted](int x, int y) { return painted.pixel(x, y); };
}

SIZE clientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void setClientSize(HWND window, int width, int height)
{
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

class PhotoAlbumWindowTest : public ProgramOnStickCopy {
protected:
    RgbImage decoded(std::string_view stickPath) const
    {
        const std::variant<RgbImage, std::string> picture = decodeJpeg(fileBytes(stickPath));
        return std::holds_alternative<RgbImage>(picture) ? std::get<RgbImage>(picture) : RgbImage{};
    }
    static std::string itemText(HWND list, int index)
    {
        wchar_t text[128]{};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return toCodePage(text);
    }
    // A user's click on an item.
    static void choose(HWND list, int index)
    {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
    }
};

TEST_F(PhotoAlbumWindowTest, ShowsTheCliLinesAndTheDecodedPixels)
{
    const std::string printed = runCli({"photos", stick.rootPath()}).out;
    const RgbImage thumbnail = decoded("OPEN-R/APP/PC/PHOTO/THM00001.JPG");
    const RgbImage photo = decoded("OPEN-R/APP/PC/PHOTO/IMG00001.JPG");
    startProgram();
    HWND dialog = openDialog(IDM_PHOTO_ALBUM, L"Photo Album");
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_PHOTO_LIST);
    std::string shown;
    for (int index = 0; index < SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); ++index)
        shown += itemText(list, index) + "\n";
    EXPECT_EQ(shown, printed);
    RECT first{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    const ImageCanvas painted = printClient(list);
    EXPECT_TRUE(
        showsPicture(pixelsOf(painted), {first.left, first.top, first.right, first.bottom}, thumbnail));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PHOTO_OPEN)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_PHOTO_PROBLEMS)));  // none to show

    choose(list, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_PHOTO_OPEN)));
    // Enter presses the default button, Open.
    PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    const std::wstring caption = widenCodePage(printed.substr(0, printed.find('\n')));
    HWND window = session.waitForWindow(caption);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(clientSize(window).cx, 624);
    EXPECT_EQ(clientSize(window).cy, 480);
    RECT album{};
    RECT opened{};
    GetWindowRect(dialog, &album);
    GetWindowRect(window, &opened);
    // Centred over the album at the size it opened with, or kept on the screen.
    EXPECT_LE(std::abs((album.left + album.right) - (opened.left + opened.right)), 2);
    setClientSize(window, 416, 320);
    const ImageCanvas natural = printClient(window);
    EXPECT_TRUE(samePixels(pixelsOf(natural), 0, 0, photo));
    setClientSize(window, 832, 640);
    const ImageCanvas scaled = printClient(window);
    EXPECT_TRUE(blendsPixels(pixelsOf(scaled), scaled.width(), scaled.height()));
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(window); }));
    EXPECT_TRUE(IsWindow(dialog));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

TEST_F(PhotoAlbumWindowTest, SavePhotosCopiesThemNamedAsTheCliNamesThem)
{
    const fs::path byCli = stick.dir().parent_path() / (stick.dir().filename().wstring() + L" by the cli");
    const fs::path byWindow =
        stick.dir().parent_path() / (stick.dir().filename().wstring() + L" by the window");
    ASSERT_EQ(runCli({"photos", stick.rootPath(), "--out", toCodePage(byCli.wstring())}).status, 0);
    startProgram();
    HWND dialog = openDialog(IDM_PHOTO_ALBUM, L"Photo Album");
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, IDC_PHOTO_SAVE, 0);
    HWND save = session.waitForWindow(L"Save Photos");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(fileNameText(save), L"Robot photos");
    chooseFile(save, byWindow);
    EXPECT_EQ(session.answerMessageBox(), L"Copied 5 photos to " + byWindow.wstring());
    for (const auto& copy : fs::directory_iterator(byCli)) {
        EXPECT_EQ(fs::file_size(byWindow / copy.path().filename()), copy.file_size()) << copy.path();
        EXPECT_EQ(fs::last_write_time(byWindow / copy.path().filename()), copy.last_write_time())
            << copy.path();
    }
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    fs::remove_all(byCli);
    fs::remove_all(byWindow);
}

// Five hundred photos: the list asks for a screenful of thumbnails, and scrolling to the
// end for the last ones, never for all. Each asked for takes a place in the image list.
// Forty unlisted photos cut short are forty problems, every one of them in a box that
// scrolls.
TEST_F(PhotoAlbumWindowTest, ALongAlbumDecodesOnlyTheThumbnailsInView)
{
    std::vector<stickgen::IndexEntry> entries;
    for (int n = 10000; n < 10500; ++n)
        entries.push_back({"IMG" + std::to_string(n) + ".JPG", "20170601", "120000"});
    stick.write("OPEN-R/APP/PC/DIARY/IMGFILES.XML", stickgen::photoIndexXml({{"AUTONOMY", entries}}));
    for (int n = 20000; n < 20040; ++n)
        stick.write("OPEN-R/APP/PC/PHOTO/IMG" + std::to_string(n) + ".JPG", "\xFF\xD8");
    startProgram();
    HWND dialog = openDialog(IDM_PHOTO_ALBUM, L"Photo Album");
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_PHOTO_LIST);
    const auto asked = [&] {
        printClient(list);
        return ImageList_GetImageCount(
            reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0)));
    };
    const int first = asked();
    EXPECT_GT(first, 0);
    EXPECT_LE(first, 24);
    // The index's five hundred, then the five photos of the folder it does not list.
    EXPECT_EQ(itemText(list, 499), "AUTONOMY 2017-06-01 12:00:00 IMG10499.JPG (missing)");
    EXPECT_EQ(itemText(list, 504), "UNLISTED 2017-05-31 21:10:00 IMG00006.JPG");
    SendMessageW(list, LVM_ENSUREVISIBLE, 504, FALSE);
    const int scrolled = asked();
    EXPECT_GT(scrolled, first);
    EXPECT_LE(scrolled, 48);

    HWND problems = GetDlgItem(dialog, IDC_PHOTO_PROBLEMS);
    EXPECT_TRUE(IsWindowVisible(problems));
    EXPECT_NE(GetWindowLongPtrW(problems, GWL_STYLE) & WS_VSCROLL, 0);
    std::wstring text(4096, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(problems, text.data(), static_cast<int>(text.size()))));
    EXPECT_EQ(SendMessageW(problems, EM_GETLINECOUNT, 0, 0), 40);
    EXPECT_TRUE(text.starts_with(L"OPEN-R/APP/PC/PHOTO/IMG20000.JPG: cut short\r\n")) << toCodePage(text);
    EXPECT_TRUE(text.ends_with(L"\r\nOPEN-R/APP/PC/PHOTO/IMG20039.JPG: cut short")) << toCodePage(text);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

}  // namespace
}  // namespace morvane::test
