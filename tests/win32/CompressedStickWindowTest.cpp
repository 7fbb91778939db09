// The real main window on a stick whose files are all stored gzip-compressed: every tree
// entry shows exactly the lines the same stick with plain files gives.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <sstream>

#include "cli/CliMain.h"
#include "stick/win32/WideText.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tests/win32/GuiSession.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {
namespace {

// What `morvane-cli report all STICK` prints, one entry after the other.
std::string cliReportAll(const TempStick& stick)
{
    CurrentDirectoryGuard guard;
    std::ostringstream out, err;
    cli::runCli(std::vector<std::string>{"report", "all", stick.rootPath()}, out, err);
    return out.str();
}

// The text without its stick root, which differs between two sticks.
std::string withoutRoot(std::string text, const std::string& root)
{
    for (std::size_t at = text.find(root); at != std::string::npos; at = text.find(root, at))
        text.replace(at, root.size(), "STICK");
    return text;
}

TEST(CompressedStickWindowTest, EveryEntryShowsWhatThePlainStickShows)
{
    TempStick plain;
    TempStick compressed;
    ASSERT_EQ(stickgen::writeSampleStick(plain.dir()), std::nullopt);
    ASSERT_EQ(stickgen::writeSampleStick(compressed.dir(), true), std::nullopt);
    const std::string expected = withoutRoot(cliReportAll(plain), plain.rootPath());

    GuiSession session;
    session.start(L"/v " + std::filesystem::path(compressed.rootPath()).wstring());
    ASSERT_NE(session.mainWindow(), nullptr);
    HWND tree = GetDlgItem(session.mainWindow(), 1000);
    std::string shown;
    for (HTREEITEM item : session.treeItems()) {
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        shown += "== " + toCodePage(session.treeTitle(item)) + " ==\n" + session.listText() + "\n";
    }
    EXPECT_EQ(withoutRoot(shown, toCodePage(widenUtf8(compressed.rootPath()))), expected);
}

}  // namespace
}  // namespace morvane::test
