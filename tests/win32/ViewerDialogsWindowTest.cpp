// The colour and face viewers in the real program, on a copy of the sample stick: what
// their areas paint, the face list, and the messages for files they cannot show.
#include "app/MainWindowCommandIds.h"
#include "base/win32/WideText.h"
#include "dialogs/ColorCells.h"
#include "dialogs/FaceDatabaseFile.h"
#include "dialogs/SwatchColor.h"
#include "dialogs/win32/ColorPreferencesDialogRes.h"
#include "dialogs/win32/HumanFacesDialogRes.h"
#include "tests/win32/ProgramOnStickCopy.h"
#include "tests/win32/WindowCapture.h"

namespace morvane::test {
namespace {

class ViewerDialogsWindowTest : public ProgramOnStickCopy {
protected:
    HWND openColors() { return openDialog(IDM_COLOR_PREFERENCES, L"AIBO's Color Preferences"); }
    HWND openFaces() { return openDialog(IDM_HUMAN_FACES, L"Human Face Identification Database"); }

    ColorTable storedColors() const
    {
        ColorTable table{};
        EXPECT_TRUE(decodeColorTable(fileBytes(kColorTablePath), table));
        return table;
    }
    FaceDatabase storedFaces() const
    {
        const std::vector<std::uint8_t> file = fileBytes(kFaceDatabasePath);
        return std::get<FaceDatabase>(FaceDatabase::decode(file));
    }
    // A user's click on an entry: the selection moves and the dialog hears of it.
    static void selectEntry(HWND dialog, int index)
    {
        HWND list = GetDlgItem(dialog, IDC_FACE_LIST);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FACE_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    void expectRefused(int command, const std::wstring& message, const std::wstring& caption)
    {
        startProgram();
        PostMessageW(session.mainWindow(), WM_COMMAND, command, 0);
        EXPECT_EQ(session.answerMessageBox(), message);
        EXPECT_EQ(session.findWindow(caption), nullptr);
    }
};

// Every cell of every area, probed at its centre.
TEST_F(ViewerDialogsWindowTest, EachColorAreaPaintsItsColoursSwatches)
{
    const ColorTable table = storedColors();
    startProgram();
    HWND dialog = openColors();
    ASSERT_NE(dialog, nullptr);
    for (std::size_t colour = 0; colour < kColorCount; ++colour) {
        HWND area = GetDlgItem(dialog, IDC_COLOR_AREA0 + static_cast<int>(colour));
        const ImageCanvas painted = printClient(area);
        const PixelRect client{0, 0, painted.width(), painted.height()};
        for (std::size_t slice = 0; slice < kSliceCount; ++slice) {
            for (std::size_t row = 0; row < kSwatchRows; ++row) {
                const PixelRect cell = colorCell(client, slice, row);
                EXPECT_EQ(painted.pixel((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2),
                          swatchColor(table, colour, slice, row))
                    << "colour " << colour << " slice " << slice << " row " << row;
            }
        }
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

TEST_F(ViewerDialogsWindowTest, AColorTableOneByteShortIsNotShown)
{
    std::vector<std::uint8_t> table = fileBytes(kColorTablePath);
    table.resize(1279);
    stick.write(kColorTablePath, table);
    expectRefused(IDM_COLOR_PREFERENCES, L"Failed to parse TR.CT file", L"AIBO's Color Preferences");
}

TEST_F(ViewerDialogsWindowTest, TheFaceListHoldsTheNamesInRecordOrderWithNothingSelected)
{
    const FaceDatabase faces = storedFaces();
    startProgram();
    HWND dialog = openFaces();
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_FACE_LIST);
    const std::vector<std::wstring> entries = listBoxEntries(list);
    ASSERT_EQ(entries.size(), faces.faceCount());
    for (std::size_t record = 0; record < faces.faceCount(); ++record) {
        const auto index = static_cast<LRESULT>(record);
        EXPECT_EQ(entries[record], widenCodePage(faces.faceName(record)));
        EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0), index);
    }
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    wchar_t caption[64] = {};
    GetWindowTextW(GetDlgItem(dialog, IDC_FACE_PICTURE), caption, 64);
    EXPECT_STREQ(caption, L"\n<<display face>>\n\n  d = demo faces\n  facem = owner");
}

// The picture stays when the area repaints, e.g. after another window covered it.
TEST_F(ViewerDialogsWindowTest, ASelectedFaceIsDrawnInThePictureAreaAndRepaintedWithIt)
{
    const FaceDatabase faces = storedFaces();
    ImageCanvas expected({10, 10, 145, 90});
    faces.drawFace(2, expected);
    startProgram();
    HWND dialog = openFaces();
    ASSERT_NE(dialog, nullptr);
    selectEntry(dialog, 2);
    HWND picture = GetDlgItem(dialog, IDC_FACE_PICTURE);
    RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const ImageCanvas painted = printClient(picture);
    int wrong = 0;
    for (int y = 10; y < 90; ++y) {
        for (int x = 10; x < 145; ++x)
            wrong += painted.pixel(x, y) != expected.pixel(x, y);
    }
    EXPECT_EQ(wrong, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

TEST_F(ViewerDialogsWindowTest, AFaceDatabaseWithABadHeaderIsNotShown)
{
    std::vector<std::uint8_t> database = fileBytes(kFaceDatabasePath);
    database[3] = '1';  // "FIF1"
    stick.write(kFaceDatabasePath, database);
    expectRefused(IDM_HUMAN_FACES, L"Bad or unknown FIFDATA header\nPlease email Quillfen",
                  L"Human Face Identification Database");
}

}  // namespace
}  // namespace morvane::test
