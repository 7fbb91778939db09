// The real main window on a stick whose files are all stored gzip-compressed: every tree
// entry shows exactly the lines the same stick with plain files gives.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>

#include "app/win32/MainWindowRes.h"
#include "base/win32/WideText.h"
#include "tests/support/TempStick.h"
#include "tests/win32/GuiSession.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {
namespace {

// The text without its stick root, which differs between two sticks.
std::string withoutRoot(std::string text, const TempStick& stick)
{
    const std::string root = toCodePage(widenUtf8(stick.rootPath()));
    for (std::size_t at = text.find(root); at != std::string::npos; at = text.find(root, at))
        text.replace(at, root.size(), "STICK");
    return text;
}

// Every entry's title and the lines the list shows for it, with the program opened on `stick`.
std::string everyEntryShown(const TempStick& stick)
{
    GuiSession session;
    session.start(L"/v " + std::filesystem::path(stick.rootPath()).wstring());
    if (session.mainWindow() == nullptr)
        return "no main window";
    HWND tree = GetDlgItem(session.mainWindow(), IDC_REPORT_TREE);
    std::string shown;
    for (HTREEITEM item : session.treeItems()) {
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        shown += "== " + toCodePage(session.treeTitle(item)) + " ==\n" + session.listText();
    }
    PostMessageW(session.mainWindow(), WM_COMMAND, IDCANCEL, 0);
    session.waitForEnd();
    return withoutRoot(shown, stick);
}

TEST(CompressedStickWindowTest, EveryEntryShowsWhatThePlainStickShows)
{
    TempStick plain;
    TempStick compressed;
    ASSERT_EQ(stickgen::writeSampleStick(plain.dir()), std::nullopt);
    ASSERT_EQ(stickgen::writeSampleStick(compressed.dir(), true), std::nullopt);
    const std::string expected = everyEntryShown(plain);
    EXPECT_NE(expected.find("Hardware AIBOID"), std::string::npos) << expected;
    EXPECT_EQ(everyEntryShown(compressed), expected);
}

}  // namespace
}  // namespace morvane::test
